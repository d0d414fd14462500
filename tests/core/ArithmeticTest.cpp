#include "leddisplay/core/Arithmetic.h"

#include <cfenv>
#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "leddisplay/core/RuntimeError.h"
#include "support/ExpectRuntimeError.h"

namespace led::core {
namespace {

// A value or the error number raised instead, so both fit one table column.
struct Outcome {
  int64_t value = 0;
  int32_t error = 0;
  bool operator==(const Outcome&) const = default;
};
const auto Ok = [](int64_t v) { return Outcome{v, 0}; };
const auto Err = [](int32_t n) { return Outcome{0, n}; };

Outcome Attempt(const std::function<int64_t()>& f) {
  int64_t value = 0;
  const int32_t error = test::ErrorNumberOf([&] { value = f(); });
  return error ? Err(error) : Ok(value);
}

void PrintTo(const Outcome& o, std::ostream* os) {
  if (o.error)
    *os << "error " << o.error;
  else
    *os << o.value;
}

TEST(Arithmetic, SixteenBitOperationsAtTheirLimits) {
  struct Case {
    const char* op;
    int32_t a, b;
    Outcome expected;
  };
  // Operands may be wider than 16 bits (70000 + -60000), and no product wraps at 32 bits
  // to 0 (65536 * 65536).
  const Case cases[] = {
      {"+", 32766, 1, Ok(32767)}, {"+", 32767, 1, Err(6)},         {"+", -32768, 0, Ok(-32768)},
      {"+", -32768, -1, Err(6)},  {"+", 70000, -60000, Ok(10000)}, {"-", -32767, 1, Ok(-32768)},
      {"-", -32768, 1, Err(6)},   {"-", 0, -32768, Err(6)},        {"-", 0, -32767, Ok(32767)},
      {"*", 181, 181, Ok(32761)}, {"*", 182, 182, Err(6)},         {"*", -256, 128, Ok(-32768)},
      {"*", 256, 128, Err(6)},    {"*", -1, -32768, Err(6)},       {"*", 65536, 65536, Err(6)},
      {"\\", 47, 2, Ok(23)},      {"\\", -47, 2, Ok(-23)},         {"\\", 47, -2, Ok(-23)},
      {"\\", -32768, -1, Err(6)}, {"\\", 5, 0, Err(11)},
  };
  for (const Case& c : cases) {
    const Outcome got = Attempt([&]() -> int64_t {
      switch (c.op[0]) {
        case '+':
          return Add16(c.a, c.b);
        case '-':
          return Sub16(c.a, c.b);
        case '*':
          return Mul16(c.a, c.b);
        default:
          return Div16(static_cast<int16_t>(c.a), static_cast<int16_t>(c.b));
      }
    });
    EXPECT_EQ(got, c.expected) << c.a << ' ' << c.op << ' ' << c.b;
  }
}

TEST(Arithmetic, NarrowingChecksBothEnds) {
  for (int64_t ok : {32767, -32768}) EXPECT_EQ(Attempt([&] { return Narrow16(ok); }), Ok(ok));
  for (int64_t bad : {int64_t{32768}, int64_t{-32769}, int64_t{1} << 32})
    EXPECT_EQ(Attempt([&] { return Narrow16(bad); }), Err(6)) << bad;
}

TEST(Arithmetic, FloatingConversionsRoundHalfToEven) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double in;
    Outcome to16, to32;
  };
  const Case cases[] = {
      {0.5, Ok(0), Ok(0)},
      {1.5, Ok(2), Ok(2)},
      {2.5, Ok(2), Ok(2)},
      {-2.5, Ok(-2), Ok(-2)},
      {-3.5, Ok(-4), Ok(-4)},
      {2.4999999999999996, Ok(2), Ok(2)},
      {-0.4, Ok(0), Ok(0)},
      {32767.4, Ok(32767), Ok(32767)},
      {32767.5, Err(6), Ok(32768)},
      {-32768.5, Ok(-32768), Ok(-32768)},  // the even neighbour is in range
      {-32768.51, Err(6), Ok(-32769)},
      {2147483647.4, Err(6), Ok(2147483647)},
      {2147483647.5, Err(6), Err(6)},
      {-2147483648.5, Err(6), Ok(-2147483648LL)},
      {1e300, Err(6), Err(6)},
      {inf, Err(6), Err(6)},
      {-inf, Err(6), Err(6)},
      {nan, Err(6), Err(6)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Attempt([&] { return Round16(c.in); }), c.to16) << c.in;
    EXPECT_EQ(Attempt([&] { return Round32(c.in); }), c.to32) << c.in;
  }
}

TEST(Arithmetic, RoundingIgnoresTheFloatingPointRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(2.6), 3.0);
    EXPECT_EQ(RoundHalfEven(-2.4), -2.0);
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0.0);
  }
  std::fesetround(saved);
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
  EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);  // 2^52 + 1 is whole
}

}  // namespace
}  // namespace led::core
