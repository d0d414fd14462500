#include "leddisplay/core/Variant.h"

#include <cmath>
#include <limits>
#include <ostream>

#include <gtest/gtest.h>

#include "leddisplay/core/RuntimeError.h"
#include "support/ExpectRuntimeError.h"

namespace led::core {

void PrintTo(const Variant& v, std::ostream* os) {
  *os << v.TypeName();
  if (v.type() != VariantType::Object) *os << ' ' << v.ToString();
}

namespace {

struct FontLike : Object {};

enum class To { Integer, Long, Single, Double, Boolean, String };

// The conversion's result wrapped back into a Variant of the target type, so that one
// table can hold every target.
Variant Converted(const Variant& in, To to) {
  switch (to) {
    case To::Integer:
      return Variant::FromInteger(in.ToInteger());
    case To::Long:
      return Variant::FromLong(in.ToLong());
    case To::Single:
      return Variant::FromSingle(in.ToSingle());
    case To::Double:
      return Variant::FromDouble(in.ToDouble());
    case To::Boolean:
      return Variant::FromBoolean(in.ToBoolean());
    case To::String:
      return Variant::FromString(in.ToString());
  }
  return {};
}

const auto I = [](int16_t v) { return Variant::FromInteger(v); };
const auto L = [](int32_t v) { return Variant::FromLong(v); };
const auto D = [](double v) { return Variant::FromDouble(v); };
const auto B = [](Boolean v) { return Variant::FromBoolean(v); };
const auto S = [](const char* v) { return Variant::FromString(v); };

struct Case {
  Variant in;
  To to;
  Variant expected;  // empty when error is set: nothing was converted
  int32_t error = 0;
};

TEST(Variant, ConversionsFromEveryKindOfValue) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Variant font = Variant::FromObject(std::make_shared<FontLike>());
  const Variant none = Variant::FromObject(nullptr);
  const Case cases[] = {
      // Empty reads as zero, False and the empty text.
      {Variant(), To::Integer, I(0)},
      {Variant(), To::Double, D(0)},
      {Variant(), To::Boolean, B(kFalse)},
      {Variant(), To::String, S("")},
      // 16- and 32-bit integers.
      {I(-5), To::Long, L(-5)},
      {I(-5), To::Double, D(-5)},
      {I(-5), To::Boolean, B(kTrue)},
      {I(0), To::Boolean, B(kFalse)},
      {I(-32768), To::String, S("-32768")},
      {L(70000), To::Integer, {}, kOverflow},
      {L(-32768), To::Integer, I(-32768)},
      {L(-32769), To::Integer, {}, kOverflow},
      {L(70000), To::String, S("70000")},
      // Doubles round half to even and are range-checked.
      {D(2.5), To::Integer, I(2)},
      {D(3.5), To::Integer, I(4)},
      {D(-2.5), To::Long, L(-2)},
      {D(32767.5), To::Integer, {}, kOverflow},
      {D(1e10), To::Long, {}, kOverflow},
      {D(nan), To::Integer, {}, kOverflow},
      {D(1e300), To::Single, {}, kOverflow},
      {D(0.1), To::Boolean, B(kTrue)},
      {D(-0.0), To::Boolean, B(kFalse)},
      {D(nan), To::Boolean, B(kTrue)},
      {D(3.25), To::String, S("3.25")},
      {D(-0.0), To::String, S("0")},
      {D(0.1 + 0.2), To::String, S("0.3")},  // 15 significant digits
      {D(1e15), To::String, S("1E+15")},
      {D(123456789012345.0), To::String, S("123456789012345")},
      // Singles show seven significant digits.
      {Variant::FromSingle(0.1f), To::String, S("0.1")},
      {Variant::FromSingle(16777216.0f), To::String, S("1.677722E+07")},
      {Variant::FromSingle(2.5f), To::Integer, I(2)},
      {D(0.1), To::Single, Variant::FromSingle(0.1f)},
      // Booleans are kept as given: 1 stays 1 and reads as True.
      {B(kTrue), To::Integer, I(-1)},
      {B(1), To::Boolean, B(1)},
      {B(1), To::String, S("True")},
      {B(kFalse), To::String, S("False")},
      {B(kTrue), To::Double, D(-1)},
      // Numeric text converts; any other text is a type mismatch.
      {S("12.5"), To::Double, D(12.5)},
      {S("12.5"), To::Integer, I(12)},
      {S(" 42 "), To::Integer, I(42)},
      {S("+7"), To::Long, L(7)},
      {S("-3e2"), To::Long, L(-300)},
      {S(".5"), To::Double, D(0.5)},
      {S("&HFFFF"), To::Integer, I(-1)},
      {S("&H10000"), To::Long, L(65536)},
      {S("&HFFFFFFFF"), To::Long, L(-1)},
      // A trailing "&" makes the pattern a Long, however short.
      {S("&HFFFF&"), To::Long, L(65535)},
      {S("&H8000&"), To::Integer, {}, kOverflow},
      {S("&HFFFFFFFF&"), To::Long, L(-1)},
      {S("&H1FFFFFFFF"), To::Long, {}, kOverflow},
      {S("&H123456789ABCDEF0123"), To::Long, {}, kOverflow},
      {S("&HXYZ"), To::Long, {}, kTypeMismatch},
      {S("40000"), To::Integer, {}, kOverflow},
      {S("40000"), To::Long, L(40000)},
      {S("1e999"), To::Double, {}, kOverflow},
      {S("-1e999"), To::Double, {}, kOverflow},
      {S("1e-999"), To::Double, D(0)},
      {S("abc"), To::Integer, {}, kTypeMismatch},
      {S("abc"), To::Double, {}, kTypeMismatch},
      {S("abc"), To::Boolean, {}, kTypeMismatch},
      {S(""), To::Integer, {}, kTypeMismatch},
      {S("+-1"), To::Double, {}, kTypeMismatch},
      {S("1,5"), To::Double, {}, kTypeMismatch},
      {S("1e"), To::Double, {}, kTypeMismatch},
      {S("inf"), To::Double, {}, kTypeMismatch},
      {S("0"), To::Boolean, B(kFalse)},
      {S("2"), To::Boolean, B(kTrue)},
      {S("True"), To::Boolean, B(kTrue)},
      {S(" false "), To::Boolean, B(kFalse)},
      {S("tRUE"), To::Boolean, B(kTrue)},
      {S("True"), To::Integer, {}, kTypeMismatch},
      {S("text"), To::String, S("text")},
      // An object, or none, converts to nothing but an object.
      {font, To::Integer, {}, kTypeMismatch},
      {font, To::String, {}, kTypeMismatch},
      {font, To::Boolean, {}, kTypeMismatch},
      {none, To::Double, {}, kTypeMismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.in) + " to type " +
                 std::to_string(static_cast<int>(c.to)));
    Variant got;
    EXPECT_EQ(test::ErrorNumberOf([&] { got = Converted(c.in, c.to); }), c.error);
    EXPECT_EQ(got, c.expected);
  }
}

TEST(Variant, ObjectsConvertOnlyToObjects) {
  const auto font = std::make_shared<FontLike>();
  EXPECT_EQ(Variant::FromObject(font).ToObject(), font);
  EXPECT_EQ(Variant::FromObject(nullptr).ToObject(), nullptr);
  EXPECT_EQ(Variant().ToObject(), nullptr);  // empty is "none"
  for (const Variant& v : {I(0), L(1), D(1.5), B(kTrue), S("font")}) {
    EXPECT_RUNTIME_ERROR_TEXT(v.ToObject(), kTypeMismatch, "Type mismatch") << v.TypeName();
  }
}

TEST(Variant, EqualityComparesTypeAndValue) {
  const auto font = std::make_shared<FontLike>();
  EXPECT_EQ(I(1), I(1));
  EXPECT_FALSE(I(1) == L(1));  // same number, different type
  EXPECT_FALSE(B(1) == B(kTrue));
  EXPECT_EQ(D(std::nan("")), D(std::nan("")));
  EXPECT_EQ(D(0.0), D(-0.0));
  EXPECT_EQ(Variant::FromObject(font), Variant::FromObject(font));
  EXPECT_FALSE(Variant::FromObject(font) == Variant::FromObject(std::make_shared<FontLike>()));
  EXPECT_EQ(Variant::FromObject(nullptr).type(), VariantType::Object);
  EXPECT_STREQ(B(kTrue).TypeName(), "Boolean");
}

}  // namespace
}  // namespace led::core
