// C++ arguments of the typed setters: integers of any type are range-checked instead of
// wrapping, bool becomes the control's True and False.
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "support/ExpectRuntimeError.h"

namespace led::test {
using control::LEDDisplay;
namespace {

// The calls a program writes most often resolve without ambiguity.
static_assert(requires(LEDDisplay & c, int16_t i16, core::Boolean b, long l, unsigned u) {
  c.SetDigits(5);
  c.SetDigits(i16);
  c.SetDigits(l);
  c.SetDigits(u);
  c.SetDecimals(-1);
  c.SetAutoSize(true);
  c.SetAutoSize(b);
  c.SetAutoSize(core::kTrue);
  c.SetAutoSize(-1);
  c.SetLeadingZeros(0);
  c.SetAppearance(model::Flat);
  c.SetOnColor(0x80000005);
});

struct Integer16Property {
  const char* name;
  std::function<void(LEDDisplay&, int64_t)> set;
  int16_t (LEDDisplay::*get)() const;
};

// A table row: the property's name, a call of its setter, its getter.
// clang-format off
#define LED_PROPERTY_ROW(NAME, TYPE) \
  { #NAME, [](LEDDisplay& c, TYPE v) { c.Set##NAME(v); }, &LEDDisplay::NAME }
// clang-format on

std::vector<Integer16Property> Integer16Properties() {
  return {
      LED_PROPERTY_ROW(Decimals, int64_t),         LED_PROPERTY_ROW(DecimalPointSize, int64_t),
      LED_PROPERTY_ROW(Digits, int64_t),           LED_PROPERTY_ROW(DigitWidth, int64_t),
      LED_PROPERTY_ROW(DigitHeight, int64_t),      LED_PROPERTY_ROW(DigitLeftMargin, int64_t),
      LED_PROPERTY_ROW(DigitUpperMargin, int64_t), LED_PROPERTY_ROW(DigitSpacing, int64_t),
      LED_PROPERTY_ROW(SegmentWidth, int64_t),     LED_PROPERTY_ROW(SegmentSeperation, int64_t)};
}

class SetterArguments : public ControlFixture {};

TEST_F(SetterArguments, WideIntegersAreStoredInRangeAndOverflowOutsideIt) {
  for (const auto& p : Integer16Properties()) {
    SCOPED_TRACE(p.name);
    for (const int64_t good : {int64_t{-32768}, int64_t{32767}, int64_t{5}}) {
      p.set(control, good);
      EXPECT_EQ((control.*p.get)(), good);
    }
    for (const int64_t bad :
         {int64_t{100000}, int64_t{32768}, int64_t{-32769}, std::numeric_limits<int64_t>::min()}) {
      recorder.Clear();
      EXPECT_RUNTIME_ERROR(p.set(control, bad), core::kOverflow) << bad;
      EXPECT_EQ((control.*p.get)(), 5);
      EXPECT_TRUE(recorder.Calls().empty());  // nothing notified or drawn
    }
  }
}

// Enumerations are 32-bit signed, colours 32-bit unsigned: a 64-bit argument beyond
// that does not wrap into a valid value.
TEST_F(SetterArguments, ThirtyTwoBitArgumentsOverflowOutsideTheirRange) {
  constexpr int64_t kWrapsToZero = int64_t{1} << 32;
  constexpr int64_t kLowest = std::numeric_limits<int64_t>::min();
  const struct {
    const char* name;
    std::function<void(LEDDisplay&, int64_t)> set;
    std::vector<int64_t> bad;
  } rows[] = {
      {"Appearance", [](LEDDisplay& c, int64_t v) { c.SetAppearance(v); }, {kWrapsToZero, kLowest}},
      {"BackGroundStyle",
       [](LEDDisplay& c, int64_t v) { c.SetBackGroundStyle(v); },
       {kWrapsToZero, kLowest}},
      {"CaptionLowPosition",
       [](LEDDisplay& c, int64_t v) { c.SetCaptionLowPosition(v); },
       {kWrapsToZero + 2}},
      {"OnColor", [](LEDDisplay& c, int64_t v) { c.SetOnColor(v); }, {kWrapsToZero + 0xFF, -1}},
      {"BackColor", [](LEDDisplay& c, int64_t v) { c.SetBackColor(v); }, {kWrapsToZero, kLowest}},
      {"CaptionUpperForeColor",
       [](LEDDisplay& c, int64_t v) { c.SetCaptionUpperForeColor(v); },
       {-2}},
  };
  for (const auto& row : rows) {
    for (const int64_t bad : row.bad) {
      SCOPED_TRACE(std::string(row.name) + " " + std::to_string(bad));
      recorder.Clear();
      EXPECT_RUNTIME_ERROR(row.set(control, bad), core::kOverflow);
      EXPECT_TRUE(recorder.Calls().empty());  // nothing stored, notified or drawn
    }
  }
  EXPECT_EQ(control.State().StoredBackGroundStyle, model::Standard);
  EXPECT_EQ(control.OnColor(), model::kFirstOnColor);
}

TEST_F(SetterArguments, EveryIntegerTypeIsChecked) {
  control.SetDigits(6);  // an int literal
  EXPECT_EQ(control.Digits(), 6);
  control.SetDigits(int16_t{7});
  EXPECT_EQ(control.Digits(), 7);
  control.SetDigits(uint8_t{8});
  EXPECT_EQ(control.Digits(), 8);
  control.SetDigits(9ull);
  EXPECT_EQ(control.Digits(), 9);
  // Unsigned values beyond the range must not wrap into it.
  EXPECT_RUNTIME_ERROR(control.SetDigits(std::numeric_limits<uint64_t>::max()), core::kOverflow);
  EXPECT_RUNTIME_ERROR(control.SetDigits(uint16_t{32768}), core::kOverflow);
  EXPECT_RUNTIME_ERROR(control.SetDigits(100000), core::kOverflow);
  EXPECT_EQ(control.Digits(), 9);
}

TEST_F(SetterArguments, BooleansTakeBoolAsTrueAndFalse) {
  const struct {
    const char* name;
    std::function<void(LEDDisplay&, bool)> set;
    std::function<core::Boolean(LEDDisplay&)> get;  // Enabled is not const
  } booleans[] = {
      LED_PROPERTY_ROW(AutoSize, bool),     LED_PROPERTY_ROW(ShowAllDecimalPoints, bool),
      LED_PROPERTY_ROW(LeadingZeros, bool), LED_PROPERTY_ROW(LeadingPlusMinus, bool),
      LED_PROPERTY_ROW(Enabled, bool),      LED_PROPERTY_ROW(Transparent, bool),
      LED_PROPERTY_ROW(UseOverRange, bool),
  };
  for (const auto& b : booleans) {
    SCOPED_TRACE(b.name);
    b.set(control, true);
    EXPECT_EQ(b.get(control), core::kTrue);
    b.set(control, false);
    EXPECT_EQ(b.get(control), core::kFalse);
  }
}

TEST_F(SetterArguments, BooleansKeepOtherIntegersAsGivenWithinSixteenBits) {
  control.SetLeadingZeros(1);
  EXPECT_EQ(control.LeadingZeros(), 1);
  control.SetLeadingZeros(-1L);
  EXPECT_EQ(control.LeadingZeros(), core::kTrue);
  EXPECT_RUNTIME_ERROR(control.SetLeadingZeros(70000), core::kOverflow);
  EXPECT_EQ(control.LeadingZeros(), core::kTrue);
}

TEST_F(SetterArguments, TurningAutoSizeOnWithBoolFitsTheHeightAsTrueDoes) {
  form.Surface().SetHeight(3000);
  control.SetAutoSize(true);
  const float fitted = form.Surface().Height();
  EXPECT_NE(fitted, 3000);
  control.SetAutoSize(false);
  form.Surface().SetHeight(3000);
  control.SetAutoSize(core::kTrue);
  EXPECT_EQ(form.Surface().Height(), fitted);
}

}  // namespace
}  // namespace led::test
