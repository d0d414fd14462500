// The formatter against slow, independent arithmetic over many random inputs (fixed
// seeds): integer arithmetic for values typed as k / 10^n, and an exact decimal
// expansion by repeated doubling or times-five for arbitrary doubles.
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "leddisplay/render/ValueFormat.h"

namespace led::render {
namespace {

using Wide = unsigned __int128;

Wide Pow10(int n) {
  Wide p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

std::string Text(Wide v) {
  std::string s;
  do {
    s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    v /= 10;
  } while (v != 0);
  return s;
}

std::string PadLeft(const std::string& s, size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), '0') + s;
}

// What the display should show for k / 10^n, worked out on integers.
FormattedDisplay Expected(uint64_t k, int n, int16_t digits, int16_t decimals, bool sign,
                          bool overRange) {
  const int integerPlaces = std::max(0, digits - decimals);
  const int places = std::max<int>(0, decimals);
  std::string text;
  if (!sign && integerPlaces == 0 && places == 0) {
    // General form: k has at most 15 digits, so nothing is rounded.
    text = Text(k / Pow10(n));
    std::string fraction = PadLeft(Text(k % Pow10(n)), n);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) text += "." + fraction;
  } else {
    Wide scaled;
    if (places >= n) {
      scaled = Wide{k} * Pow10(places - n);
    } else {
      const Wide step = Pow10(n - places);
      scaled = k / step;
      if (2 * (k % step) >= step) ++scaled;  // halves away from zero
    }
    const Wide whole = scaled / Pow10(places);
    const std::string wholeText = whole == 0 && integerPlaces == 0 ? "" : Text(whole);
    std::string body = PadLeft(wholeText, integerPlaces);
    if (places > 0) {
      body += '.';
      body += PadLeft(Text(scaled % Pow10(places)), places);
    }
    text = sign ? "+" + body : body;
  }
  FormattedDisplay out;
  const auto point = text.find('.');
  out.UnitsIndex = point == std::string::npos ? -2 : static_cast<int32_t>(point) - 1;
  out.LastIndex = static_cast<int16_t>(text.size() - 1);
  const int count = static_cast<int>(text.size()) - (sign ? 1 : 0) - (decimals > 0 ? 1 : 0);
  if (overRange && count > digits) {
    text = "OR";
    out.LastIndex = 1;
  }
  out.DisplayText = text;
  return out;
}

TEST(ValueFormatReference, TypedValuesAgreeWithIntegerArithmetic) {
  std::mt19937_64 rng(20261207);
  auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int trial = 0; trial < 20000; ++trial) {
    const int length = between(1, 15);
    const uint64_t k =
        std::uniform_int_distribution<uint64_t>(0, static_cast<uint64_t>(Pow10(length)) - 1)(rng);
    const int n = between(0, 18);
    const double magnitude = static_cast<double>(k) / static_cast<double>(Pow10(n));
    const double value = between(0, 1) ? -magnitude : magnitude;
    const auto digits = static_cast<int16_t>(between(-3, 22));
    const auto decimals = static_cast<int16_t>(between(-3, 20));
    const bool sign = between(0, 1), overRange = between(0, 3) == 0;
    const FormattedDisplay want = Expected(k, n, digits, decimals, sign, overRange);
    const FormattedDisplay got =
        FormatDisplay(value, digits, decimals, sign ? core::kTrue : 0, overRange ? core::kTrue : 0);
    ASSERT_EQ(got.DisplayText, want.DisplayText)
        << k << "e-" << n << " digits " << digits << " decimals " << decimals << " sign " << sign;
    ASSERT_EQ(got.UnitsIndex, want.UnitsIndex) << got.DisplayText;
    ASSERT_EQ(got.LastIndex, want.LastIndex) << got.DisplayText;
  }
}

// A non-negative decimal as text: integer digits and fraction digits.
struct Exact {
  std::string whole, fraction;
};

void MultiplySmall(std::string& digits, int factor) {
  int carry = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    const int v = (*it - '0') * factor + carry;
    *it = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  while (carry) {
    digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
    carry /= 10;
  }
}

// m * 2^e written out exactly: doubling for e >= 0, times five then a shifted point
// for e < 0 (m * 2^e = m * 5^-e / 10^-e).
Exact ExactValue(double v) {
  int e = 0;
  const double mantissa = std::frexp(v, &e);
  auto m = static_cast<uint64_t>(std::ldexp(mantissa, 53));
  e -= 53;
  std::string digits = Text(m);
  for (; e > 0; --e) MultiplySmall(digits, 2);
  const size_t shift = static_cast<size_t>(-e);
  for (; e < 0; ++e) MultiplySmall(digits, 5);
  digits = PadLeft(digits, shift + 1);
  return {digits.substr(0, digits.size() - shift), digits.substr(digits.size() - shift)};
}

// The shortest of printf's 1 to 15 significant digits that reads back as v.
bool TypedValue(double v, Exact& out) {
  for (int precision = 1; precision <= 15; ++precision) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, v);
    if (std::strtod(buf, nullptr) != v) continue;
    std::string mantissa;
    const char* p = buf;
    for (; *p != 'e'; ++p)
      if (*p != '.') mantissa += *p;
    const int exponent = std::atoi(p + 1);
    const int pointAt = exponent + 1;  // digits before the point
    if (pointAt <= 0) {
      out = {"0", std::string(-pointAt, '0') + mantissa};
    } else if (pointAt >= static_cast<int>(mantissa.size())) {
      out = {mantissa + std::string(pointAt - mantissa.size(), '0'), ""};
    } else {
      out = {mantissa.substr(0, pointAt), mantissa.substr(pointAt)};
    }
    return true;
  }
  return false;
}

// x rounded to `places` fraction digits, halves away from zero, with at least one
// integer digit: "whole.fraction".
std::string RoundText(const Exact& x, int places) {
  std::string fraction = x.fraction;
  fraction.resize(std::max<size_t>(fraction.size(), places + 1), '0');
  std::string digits = "0" + x.whole + fraction.substr(0, places);
  if (fraction[places] >= '5') {
    size_t i = digits.size();
    while (digits[--i] == '9') digits[i] = '0';
    ++digits[i];
  }
  std::string whole = digits.substr(0, digits.size() - places);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  return places > 0 ? whole + "." + digits.substr(digits.size() - places) : whole;
}

TEST(ValueFormatReference, AnyDoubleAgreesWithItsExactExpansion) {
  std::mt19937_64 rng(7);
  int exactPath = 0;
  for (int trial = 0; trial < 4000; ++trial) {
    const uint64_t fractionBits = rng() & ((uint64_t{1} << 52) - 1);
    if (fractionBits == 0) continue;               // powers of two have an uneven rounding interval
    const int span = trial % 50 == 0 ? 1000 : 70;  // now and then a huge or tiny value
    const uint64_t exponentBits = 1023 + std::uniform_int_distribution<int>(-span, span)(rng);
    const double v = std::bit_cast<double>((exponentBits << 52) | fractionBits);
    const int places = std::uniform_int_distribution<int>(0, 25)(rng);

    Exact reference;
    if (!TypedValue(v, reference)) {
      reference = ExactValue(v);
      ++exactPath;
    }
    const std::string want = RoundText(reference, places);
    const auto decimals = static_cast<int16_t>(places);
    const FormattedDisplay got =
        FormatDisplay(v, static_cast<int16_t>(decimals + 1), decimals, core::kFalse, core::kFalse);
    ASSERT_EQ(got.DisplayText, want) << std::hexfloat << v << " to " << places;
  }
  EXPECT_GT(exactPath, 1000);  // most random doubles need 16 or 17 digits
}

}  // namespace
}  // namespace led::render
