// The text the cells show, and the over-range test that ignores UseOverRange.
#include "leddisplay/render/ShownText.h"

#include <limits>

#include <gtest/gtest.h>

namespace led::render {
namespace {

using core::kFalse;
using core::kTrue;

TEST(ShownText, SignDigitsAndPointsAsDrawn) {
  const struct {
    double value;
    int16_t digits;
    int16_t decimals;
    core::Boolean sign;
    core::Boolean leadingZeros;
    core::Boolean useOverRange;
    const char* shown;
    bool overRange;
  } cases[] = {
      {-12.5, 4, 1, kTrue, kFalse, kFalse, "-12.5", false},  // a blanked zero left out
      {12.5, 4, 1, kTrue, kTrue, kFalse, "+012.5", false},   // leading zeros shown
      {7, 3, 0, kFalse, kFalse, kFalse, "007", false},       // no point: no zero is blanked
      {12345, 3, 0, kFalse, kFalse, kTrue, "over range", true},
      {12345, 3, 0, kFalse, kFalse, kFalse, "12345", true},  // the mark off: all digits
      {std::numeric_limits<double>::quiet_NaN(), 3, 0, kFalse, kFalse, kFalse, "over range", true},
      {5, 0, 0, kFalse, kFalse, kFalse, "", true},      // no digits: nothing is drawn
      {5, 3, -32768, kTrue, kFalse, kFalse, "", true},  // a pattern beyond 16 bits
  };
  CellCache cache;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    model::ControlState s = model::FirstValues();
    s.StoredValue = c.value;
    s.StoredDigits = c.digits;
    s.StoredDecimals = c.decimals;
    s.StoredLeadingPlusMinus = c.sign;
    s.StoredLeadingZeros = c.leadingZeros;
    s.StoredUseOverRange = c.useOverRange;
    EXPECT_EQ(ShownText(s, cache), c.shown);
    EXPECT_EQ(IsOverRange(s), c.overRange);
  }
}

// Segments set by hand light exactly their mask's segments and point, in every style,
// show as the character of that glyph, and last until the value or the text changes.
TEST(ShownText, SegmentsSetByHandShowAsTheirGlyphsCharacter) {
  const struct {
    int16_t style;
    const char* text;
    std::vector<int32_t> masks;
    const char* shown;
  } cases[] = {
      {0, "", {118, -1, 121 | model::kPointSegment}, "H0E.00"},  // the sign cell too
      {0, "Err", {-1, 0x7F, 0x15}, " 8?r"},                      // 0x15: a, c, e: no glyph
      {1, "ab", {0x1FFF & ~0x100}, "? AB"},
      {2, "", {0x1000 | 0x2000}, "/0000"},  // j and k: "/" in sixteen segments
  };
  CellCache cache;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    model::ControlState s = model::FirstValues();
    s.StoredDecimals = 0;
    s.StoredDigits = 4;
    s.Extended.SegmentStyle = c.style;
    s.Extended.Text = c.text;
    s.Extended.CellSegments = c.masks;
    EXPECT_EQ(ShownText(s, cache), c.shown);
  }
}

TEST(ShownText, TextAsItsCellsShowIt) {
  const struct {
    const char* text;
    int16_t digits;
    core::Boolean useOverRange;
    const char* shown;  // blank cells as spaces
    bool overRange;
  } cases[] = {
      {"Err", 4, kFalse, " Err", false},                 // right-aligned
      {"12:34", 4, kFalse, "12:34", false},              // the colon takes no cell
      {"23.5\u00B0C", 5, kFalse, "23.5\u00B0C", false},  // nor the point
      {"hello", 5, kFalse, "hELLo", false},              // the other case where it has a glyph
      {"Run", 3, kFalse, "run", false},                  // "R" shows "r"; "u" has its own
      {"K2", 2, kFalse, " 2", false},                    // no glyph: a blank cell
      {".5", 2, kFalse, " .5", false},                   // a point with no cell before: a blank
      {"OFF", 3, kFalse, "OFF", false},
      {"toolong", 3, kFalse, "too", true},        // the first Digits cells
      {"toolong", 3, kTrue, "over range", true},  // or the mark
      {"Err", 0, kFalse, "", true},               // no digits: nothing is drawn
  };
  CellCache cache;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    model::ControlState s = model::FirstValues();
    s.Extended.Text = c.text;
    s.StoredDigits = c.digits;
    s.StoredUseOverRange = c.useOverRange;
    EXPECT_EQ(ShownText(s, cache), c.shown);
    EXPECT_EQ(IsOverRange(s), c.overRange);
  }
}

}  // namespace
}  // namespace led::render
