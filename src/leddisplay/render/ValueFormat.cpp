#include "leddisplay/render/ValueFormat.h"

// Sections: the pattern's shape; decimal digits of a double and their rounding;
// laying the digits out with a pattern or in general form; FormatDisplay; the walk.

#include <algorithm>
#include <charconv>
#include <cmath>

#include "leddisplay/core/Arithmetic.h"

namespace led::render {

namespace {

// What the number pattern holds, without building its text.
struct PatternShape {
  bool sign = false;
  int integerPlaces = 0;  // "0"s before the point
  int decimals = 0;       // "0"s after the point; a point is written when above 0
  bool Empty() const { return !sign && integerPlaces == 0 && decimals == 0; }
};

PatternShape ShapeOf(int16_t digits, int16_t decimals, core::Boolean leadingPlusMinus) {
  PatternShape shape;
  shape.sign = core::IsTrue(leadingPlusMinus);
  shape.integerPlaces = std::max<int>(0, core::Sub16(digits, decimals));
  shape.decimals = std::max<int>(0, decimals);
  return shape;
}

// A non-negative decimal number 0.d1d2d3... x 10^pointPosition. digits has no leading
// and no trailing zeros; it is empty for zero.
struct Decimal {
  std::string digits;
  int pointPosition = 0;
};

void TrimTrailingZeros(Decimal& d) {
  const auto last = d.digits.find_last_not_of('0');
  d.digits.resize(last == std::string::npos ? 0 : last + 1);
}

// The digits of a finite non-negative double as a person would have typed it: the
// shortest form that reads back as the same double when it needs at most 15
// significant digits, otherwise the exact binary value written out in decimal.
Decimal DecimalOf(double value) {
  Decimal d;
  char shortest[32];
  const auto sci =
      std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
  const char* e = std::find(shortest, sci.ptr, 'e');
  for (const char* p = shortest; p != e; ++p)
    if (*p != '.') d.digits.push_back(*p);
  if (d.digits.size() <= 15) {
    int exponent = 0;
    const char* expBegin = e + 1 + (e[1] == '+' ? 1 : 0);
    std::from_chars(expBegin, sci.ptr, exponent);
    d.pointPosition = exponent + 1;
    TrimTrailingZeros(d);
    if (d.digits.empty()) d.pointPosition = 0;
    return d;
  }
  // A double m * 2^(exponent - 53) has at most 53 - exponent fraction digits (1074 for
  // the smallest), so this precision writes it out exactly.
  int exponent = 0;
  std::frexp(value, &exponent);
  const int fractionDigits = std::clamp(53 - exponent, 0, 1074);
  char exact[1500];
  const auto fixed =
      std::to_chars(exact, exact + sizeof exact, value, std::chars_format::fixed, fractionDigits);
  const char* point = std::find(exact, fixed.ptr, '.');
  d.digits.clear();
  d.pointPosition = static_cast<int>(point - exact);
  bool leading = true;
  for (const char* p = exact; p != fixed.ptr; ++p) {
    if (*p == '.') continue;
    if (leading && *p == '0') {
      --d.pointPosition;
      continue;
    }
    leading = false;
    d.digits.push_back(*p);
  }
  TrimTrailingZeros(d);
  if (d.digits.empty()) d.pointPosition = 0;
  return d;
}

// Keeps the first `keep` digits (any count, negative included) and rounds the rest
// away, halves away from zero.
void RoundToDigits(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d = Decimal{};
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.pointPosition;
    } else {
      ++d.digits[i];
    }
  }
  TrimTrailingZeros(d);
  if (d.digits.empty()) d.pointPosition = 0;
}

int IntegerDigitCount(const Decimal& d) {
  return d.digits.empty() ? 0 : std::max(0, d.pointPosition);
}

// Appends the integer digits (none for a value below 1).
void AppendInteger(std::string& text, const Decimal& d) {
  const int count = IntegerDigitCount(d);
  const int fromDigits = std::min<int>(count, d.digits.size());
  text.append(d.digits, 0, fromDigits);
  text.append(count - fromDigits, '0');
}

// Appends `count` fraction digits, padding with "0".
void AppendFraction(std::string& text, const Decimal& d, int count) {
  const int size = static_cast<int>(d.digits.size());
  for (int k = 0; k < count; ++k) {
    const int j = d.pointPosition + k;
    text.push_back(j >= 0 && j < size ? d.digits[j] : '0');
  }
}

std::string WithPattern(Decimal d, const PatternShape& shape) {
  RoundToDigits(d, d.pointPosition + shape.decimals);
  const int integerDigits = IntegerDigitCount(d);
  std::string text;
  text.reserve(1 + std::max(shape.integerPlaces, integerDigits) + 1 + shape.decimals);
  if (shape.sign) text.push_back('+');
  text.append(std::max(0, shape.integerPlaces - integerDigits), '0');
  AppendInteger(text, d);
  if (shape.decimals > 0) {
    text.push_back('.');
    AppendFraction(text, d, shape.decimals);
  }
  return text;
}

// Integer digits ("0" below 1), then a point and the fraction only when there is one;
// never an exponent, whose letters and sign the display could not show.
std::string GeneralForm(Decimal d) {
  RoundToDigits(d, 15);
  std::string text;
  if (IntegerDigitCount(d) == 0) text.push_back('0');
  AppendInteger(text, d);
  const int fraction = static_cast<int>(d.digits.size()) - d.pointPosition;
  if (!d.digits.empty() && fraction > 0) {
    text.push_back('.');
    AppendFraction(text, d, fraction);
  }
  return text;
}

}  // namespace

std::string BuildDisplayPattern(int16_t digits, int16_t decimals, core::Boolean leadingPlusMinus) {
  const PatternShape shape = ShapeOf(digits, decimals, leadingPlusMinus);
  std::string pattern;
  if (shape.sign) pattern.push_back('+');
  pattern.append(shape.integerPlaces, '0');
  if (shape.decimals > 0) {
    pattern.push_back('.');
    pattern.append(shape.decimals, '0');
  }
  return pattern;
}

FormattedDisplay FormatDisplay(double value, int16_t digits, int16_t decimals,
                               core::Boolean leadingPlusMinus, core::Boolean useOverRange) {
  const PatternShape shape = ShapeOf(digits, decimals, leadingPlusMinus);
  FormattedDisplay result;
  if (!std::isfinite(value)) {
    result.DisplayText = "OR";
    result.LastIndex = 1;
    return result;
  }
  const Decimal magnitude = DecimalOf(std::fabs(value));
  result.DisplayText = shape.Empty() ? GeneralForm(magnitude) : WithPattern(magnitude, shape);
  const std::string& text = result.DisplayText;
  const auto point = text.find('.');
  result.UnitsIndex = point == std::string::npos ? -2 : static_cast<int32_t>(point) - 1;
  result.LastIndex = core::Narrow16(static_cast<int64_t>(text.size()) - 1);
  if (core::IsTrue(useOverRange)) {
    const int64_t count =
        static_cast<int64_t>(text.size()) - (shape.sign ? 1 : 0) - (decimals > 0 ? 1 : 0);
    if (count > digits) {
      result.DisplayText = "OR";
      result.LastIndex = 1;
    }
  }
  return result;
}

std::vector<DisplayCell> BuildDisplayCells(const FormattedDisplay& formatted,
                                           core::Boolean leadingZeros,
                                           core::Boolean showAllDecimalPoints) {
  std::vector<DisplayCell> cells;
  BuildDisplayCells(formatted, leadingZeros, showAllDecimalPoints, cells);
  return cells;
}

void BuildDisplayCells(const FormattedDisplay& formatted, core::Boolean leadingZeros,
                       core::Boolean showAllDecimalPoints, std::vector<DisplayCell>& cells) {
  const std::string& text = formatted.DisplayText;
  const int32_t units = formatted.UnitsIndex;
  const int32_t last =
      std::min<int32_t>(formatted.LastIndex, static_cast<int32_t>(text.size()) - 1);
  const bool allPoints = core::IsTrue(showAllDecimalPoints);
  cells.clear();
  cells.reserve(static_cast<size_t>(std::max<int32_t>(last + 1, 0)));
  bool significantDigitSeen = false;
  for (int32_t i = 0; i <= last; ++i) {
    const char c = text[i];
    if (c == '.') continue;
    DisplayCell cell;
    cell.Character = c;
    const bool digit = c >= '0' && c <= '9';
    if (c == '0') cell.ZeroLit = i > units || core::IsTrue(leadingZeros) || significantDigitSeen;
    if (digit && i == units)
      cell.Point = PointState::Lit;
    else if ((digit || c == 'O' || c == 'R') && allPoints)
      cell.Point = PointState::Unlit;
    cells.push_back(cell);
    if (i < units && c >= '1' && c <= '9') significantDigitSeen = true;
  }
}

}  // namespace led::render
