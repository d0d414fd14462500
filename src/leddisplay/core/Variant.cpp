#include "leddisplay/core/Variant.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"

namespace led::core {

namespace {

// For a well-formed decimal text: the position of its first significant digit
// relative to the point (123.4 gives 3, 0.05 gives -1), exponent included and
// clamped; used only on texts too large or too small for a double.
int64_t DecimalMagnitude(std::string_view text) {
  int64_t position = 0;
  bool seenPoint = false, seenDigit = false;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      seenPoint = true;
    } else if (!seenDigit && text[i] == '0') {
      if (seenPoint) --position;
    } else {
      seenDigit = true;
      if (!seenPoint) ++position;
    }
  }
  int64_t exponent = 0;
  if (i < text.size()) {
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    for (; i < text.size(); ++i)
      exponent = std::min<int64_t>(exponent * 10 + (text[i] - '0'), 1 << 30);
    if (negative) exponent = -exponent;
  }
  return position + exponent;
}

// Numeric text: an optional sign and a decimal number with optional exponent, or a
// hexadecimal "&H" literal as a host's literal reads: up to four digits a 16-bit
// pattern, more digits or a trailing "&" a 32-bit one. Anything else, the empty text
// included, is a type mismatch.
double ParseNumber(const std::string& text) {
  const std::string s(TrimBlanks(text));
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
    std::string digits = s.substr(2);
    const bool isLong = !digits.empty() && digits.back() == '&';
    if (isLong) digits.pop_back();
    uint64_t v = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, 16);
    if (digits.empty() || end != digits.data() + digits.size()) throw RuntimeError(kTypeMismatch);
    if (ec == std::errc::result_out_of_range || v > 0xFFFFFFFFull) throw RuntimeError(kOverflow);
    if (ec != std::errc()) throw RuntimeError(kTypeMismatch);
    if (digits.size() <= 4 && !isLong) return static_cast<int16_t>(static_cast<uint16_t>(v));
    return static_cast<int32_t>(static_cast<uint32_t>(v));
  }
  for (char c : s) {
    const bool ok =
        (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
    if (!ok) throw RuntimeError(kTypeMismatch);
  }
  const char* begin = s.data();
  // from_chars takes no "+"; skip one, but not a "+-" pair.
  if (s.size() > 1 && s[0] == '+' && s[1] != '-') ++begin;
  double v = 0;
  const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), v);
  if (s.empty() || end != s.data() + s.size()) throw RuntimeError(kTypeMismatch);
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves v untouched here; tell underflow (a zero) from overflow.
    if (DecimalMagnitude(std::string_view(begin, end)) > 0) throw RuntimeError(kOverflow);
    return 0.0;
  }
  if (ec != std::errc()) throw RuntimeError(kTypeMismatch);
  return v;
}

// At most `precision` significant digits, no trailing zeros, an exponent ("1E+15")
// only for very large or small values. to_chars, unlike printf, ignores the
// process locale, so the point stays "." under a host that sets a comma locale.
std::string FormatGeneral(double v, int precision = 15) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
  if (v == 0.0) return "0";  // also for -0, which would print as "-0"
  char buf[64];
  const auto written =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision);
  std::string s(buf, written.ptr);
  std::replace(s.begin(), s.end(), 'e', 'E');
  const auto e = s.find('E');
  std::string mantissa = s.substr(0, e);
  std::string exponent = e == std::string::npos ? "" : s.substr(e);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + exponent;
}

}  // namespace

Variant Variant::FromInteger(int16_t v) {
  return Variant(VariantType::Integer, v);
}
Variant Variant::FromLong(int32_t v) {
  return Variant(VariantType::Long, v);
}
Variant Variant::FromSingle(float v) {
  return Variant(VariantType::Single, v);
}
Variant Variant::FromDouble(double v) {
  return Variant(VariantType::Double, v);
}
Variant Variant::FromBoolean(Boolean v) {
  return Variant(VariantType::Boolean, int16_t{v});
}
Variant Variant::FromString(std::string v) {
  return Variant(VariantType::String, std::move(v));
}
Variant Variant::FromObject(ObjectPtr v) {
  return Variant(VariantType::Object, std::move(v));
}

const char* Variant::TypeName() const {
  switch (type_) {
    case VariantType::Empty:
      return "Empty";
    case VariantType::Integer:
      return "Integer";
    case VariantType::Long:
      return "Long";
    case VariantType::Single:
      return "Single";
    case VariantType::Double:
      return "Double";
    case VariantType::Boolean:
      return "Boolean";
    case VariantType::String:
      return "String";
    case VariantType::Object:
      return "Object";
  }
  return "Empty";
}

double Variant::Numeric() const {
  switch (type_) {
    case VariantType::Empty:
      return 0.0;
    case VariantType::Integer:
    case VariantType::Boolean:
      return std::get<int16_t>(value_);
    case VariantType::Long:
      return std::get<int32_t>(value_);
    case VariantType::Single:
      return std::get<float>(value_);
    case VariantType::Double:
      return std::get<double>(value_);
    case VariantType::String:
      return ParseNumber(std::get<std::string>(value_));
    case VariantType::Object:
      break;
  }
  throw RuntimeError(kTypeMismatch);
}

int16_t Variant::ToInteger() const {
  return Round16(Numeric());
}
int32_t Variant::ToLong() const {
  return Round32(Numeric());
}
double Variant::ToDouble() const {
  return Numeric();
}

float Variant::ToSingle() const {
  const double v = Numeric();
  if (std::isfinite(v) && std::fabs(v) > std::numeric_limits<float>::max())
    throw RuntimeError(kOverflow);
  return static_cast<float>(v);
}

Boolean Variant::ToBoolean() const {
  if (type_ == VariantType::Boolean) return std::get<int16_t>(value_);
  if (type_ == VariantType::String) {
    const std::string_view s = TrimBlanks(std::get<std::string>(value_));
    if (EqualsIgnoringCase(s, "true")) return kTrue;
    if (EqualsIgnoringCase(s, "false")) return kFalse;
  }
  return Numeric() != 0.0 ? kTrue : kFalse;
}

std::string Variant::ToString() const {
  switch (type_) {
    case VariantType::Empty:
      return "";
    case VariantType::Integer:
      return std::to_string(std::get<int16_t>(value_));
    case VariantType::Long:
      return std::to_string(std::get<int32_t>(value_));
    case VariantType::Boolean:
      return std::get<int16_t>(value_) != 0 ? "True" : "False";
    case VariantType::Single: {
      // Seven significant digits, the precision of a single.
      return FormatGeneral(double{std::get<float>(value_)}, 7);
    }
    case VariantType::Double:
      return FormatGeneral(std::get<double>(value_));
    case VariantType::String:
      return std::get<std::string>(value_);
    case VariantType::Object:
      break;
  }
  throw RuntimeError(kTypeMismatch);
}

ObjectPtr Variant::ToObject() const {
  if (type_ == VariantType::Empty) return nullptr;
  if (type_ != VariantType::Object) throw RuntimeError(kTypeMismatch);
  return std::get<ObjectPtr>(value_);
}

bool Variant::operator==(const Variant& other) const {
  if (type_ != other.type_) return false;
  if (type_ == VariantType::Double) {
    const double a = std::get<double>(value_), b = std::get<double>(other.value_);
    return a == b || (std::isnan(a) && std::isnan(b));
  }
  if (type_ == VariantType::Single) {
    const float a = std::get<float>(value_), b = std::get<float>(other.value_);
    return a == b || (std::isnan(a) && std::isnan(b));
  }
  return value_ == other.value_;
}

}  // namespace led::core
