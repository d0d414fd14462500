// The render pass on the recorder: its set-up, the cell walk and geometry, the width
// handed to AutoSizeWidth, the digit row's top, and Change once per change of value.
#include <gtest/gtest.h>

#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "RenderFixture.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/render/RenderPass.h"

namespace led::render {
namespace {

class RenderPassTest : public RenderTest {
 protected:
  // The left edge of every glyph cell: where its top bar, a level line at digitTop
  // as long as DigitWidth, starts.
  std::vector<double> GlyphLefts() {
    std::vector<double> lefts;
    for (const json& l : Calls("Line"))
      if (l["y1"] == l["y2"] && l["y1"] == digitTop &&
          l["x2"].get<double>() - l["x1"].get<double>() == state.StoredDigitWidth)
        lefts.push_back(l["x1"].get<double>());
    return lefts;
  }
  double digitTop = 3;
};

TEST_F(RenderPassTest, StartingStateFirstDigitCellLineByLine) {
  RenderDisplay(display);
  const std::vector<json> calls = Calls();
  ASSERT_EQ(calls.size(), 3u + 9u + 4u * 24u);
  EXPECT_EQ(calls[0], (json{{"call", "DrawWidth"}, {"value", 1}}));
  EXPECT_EQ(calls[1], (json{{"call", "ScaleMode"}, {"value", 3}}));
  EXPECT_EQ(calls[2], (json{{"call", "Cls"}}));

  // The cell at 37, after the nine lines of the sign mark: a lit "0" with a lit point.
  const size_t cell = 3 + 9;
  const json expected[] = {
      LineCall(37, 3, 61, 3, kOn),    LineCall(38, 4, 60, 4, kOn),
      LineCall(39, 5, 59, 5, kOn),    LineCall(37, 5, 37, 25, kOn),
      LineCall(38, 6, 38, 24, kOn),   LineCall(39, 7, 39, 23, kOn),
      LineCall(61, 4, 61, 26, kOn),   LineCall(60, 5, 60, 25, kOn),
      LineCall(59, 6, 59, 24, kOn),   LineCall(37, 27, 61, 27, kOff),
      LineCall(38, 26, 60, 26, kOff), LineCall(38, 28, 60, 28, kOff),
      LineCall(37, 29, 37, 49, kOn),  LineCall(38, 30, 38, 48, kOn),
      LineCall(39, 31, 39, 47, kOn),  LineCall(61, 28, 61, 50, kOn),
      LineCall(60, 29, 60, 49, kOn),  LineCall(59, 30, 59, 48, kOn),
      LineCall(37, 51, 61, 51, kOn),  LineCall(38, 50, 60, 50, kOn),
      LineCall(39, 49, 59, 49, kOn),  LineCall(65, 55, 68, 55, kOn),
      LineCall(65, 54, 68, 54, kOn),  LineCall(65, 53, 68, 53, kOn),
  };
  for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(calls[cell + i], expected[i]) << i;

  // The next cells carry unlit points.
  EXPECT_EQ(calls[cell + 24 + 21], LineCall(99, 55, 102, 55, kOff));
  EXPECT_TRUE(Calls("Width").empty());
  EXPECT_EQ(ChangeCount(calls), 0);
}

TEST_F(RenderPassTest, StartingStateCellPositionsAndAutoSizeWidth) {
  state.StoredAutoSize = core::kTrue;
  RenderDisplay(display);
  EXPECT_EQ(Calls("Line")[0], LineCall(3, 38, 21, 38, kOff));  // the sign at the first cell
  EXPECT_EQ(GlyphLefts(), (std::vector<double>{37, 71, 105, 139,
                                               // the nested pass of the width change
                                               37, 71, 105, 139}));
  // A row of 173 pixels and 2 of 3D border a side, at 15 twips each; the nested pass
  // asks for the same width again.
  EXPECT_EQ(Values(Calls("Width")), (std::vector<double>{2655, 2655}));
  EXPECT_EQ(Surface().ExtentPixelsX(), 177);
  EXPECT_FALSE(core::IsTrue(state.SizingInProgress));
}

TEST_F(RenderPassTest, DigitTopFromTheUpperCaption) {
  struct Case {
    const char* caption;
    float height;
    double top;
  };
  const Case cases[] = {
      {"", 17.0f, 3},                      // no caption: the label's height is not counted
      {"V", 17.0f, 20}, {" ", 17.0f, 20},  // a blank is a caption
      {"V", 16.5f, 20},                    // 19.5 goes to 20
      {"V", 17.5f, 20},                    // 20.5 goes to 20
      {"V", 18.5f, 22},                    // 21.5 goes to 22
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    SCOPED_TRACE(c.caption);
    upperCaption.caption = c.caption;
    upperCaption.height = c.height;
    Recorded();
    digitTop = c.top;
    EXPECT_EQ(GlyphLefts(), (std::vector<double>{37, 71, 105, 139}));
    // Segment d of the first glyph cell lies DigitHeight below the top.
    EXPECT_EQ(Calls("Line")[9 + 18]["y1"], c.top + 48);
  }
}

TEST_F(RenderPassTest, OddDigitHeightPutsTheMiddleBarAtTheTruncatedHalf) {
  for (auto [height, middle] :
       {std::pair{47, 3 + 23}, std::pair{21, 3 + 10}, std::pair{-21, 3 - 10}}) {
    SCOPED_TRACE(height);
    state.StoredDigitHeight = static_cast<int16_t>(height);
    EXPECT_EQ(Named(Recorded(), "Line")[9 + 9]["y1"], middle);
  }
}

TEST_F(RenderPassTest, GuardDrawsNothingAndMissesNoChange) {
  state.StoredAutoSize = core::kTrue;
  state.StoredValue = 5;
  state.StoredDigits = 0;
  RenderDisplay(display);
  state.StoredDigits = 4;
  state.StoredSegmentWidth = 0;
  RenderDisplay(display);
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(state.LastChangeValue, 0.0);

  state.StoredSegmentWidth = 3;
  EXPECT_EQ(ChangeCount(Recorded()), 1);
}

TEST_F(RenderPassTest, OverflowEndsThePassQuietly) {
  state.StoredLeadingPlusMinus = core::kFalse;
  state.StoredDigitLeftMargin = 32700;
  state.StoredDigitWidth = 100;
  state.StoredAutoSize = core::kTrue;
  state.StoredValue = 5;
  RenderDisplay(display);  // must not throw
  EXPECT_EQ(Calls(), (std::vector<json>{{{"call", "DrawWidth"}, {"value", 1}},
                                        {{"call", "ScaleMode"}, {"value", 3}},
                                        {{"call", "Cls"}}}));
  EXPECT_EQ(state.LastChangeValue, 0.0);

  // The next completed pass raises the Change that was missed.
  state.StoredDigitLeftMargin = 3;
  EXPECT_EQ(ChangeCount(Recorded()), 1);
  EXPECT_EQ(state.LastChangeValue, 5.0);
}

TEST_F(RenderPassTest, OverflowPartWayKeepsWhatWasDrawn) {
  // The third cell's right edge (32740 + 40) overflows: the first two cells stay drawn.
  state.StoredLeadingPlusMinus = core::kFalse;
  state.StoredDigitLeftMargin = 32600;
  state.StoredDigitWidth = 40;
  state.StoredDigitSpacing = 30;
  state.StoredValue = 5;
  RenderDisplay(display);
  EXPECT_EQ(Calls("Line").size(), 2u * 24u);
  EXPECT_EQ(ChangeCount(Calls()), 0);
}

TEST_F(RenderPassTest, ChangeOncePerChangeOfValue) {
  struct Step {
    double value;
    int changes;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Step steps[] = {{0.0, 0}, {-0.0, 0}, {5, 1},    {5, 0},   {-5, 1},
                        {nan, 1}, {nan, 0},  {-nan, 0}, {0.0, 1}, {0.0, 0}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.value);
    state.StoredValue = s.value;
    EXPECT_EQ(ChangeCount(Recorded()), s.changes);
  }
}

TEST_F(RenderPassTest, ChangeOnceAcrossTheNestedPassOfAWidthChange) {
  state.StoredAutoSize = core::kTrue;
  state.StoredValue = -12.5;
  state.StoredDigits = 4;
  state.StoredDecimals = 1;
  const std::vector<json> calls = Recorded();
  EXPECT_EQ(ChangeCount(calls), 1);
  EXPECT_EQ(calls.back(), (json{{"call", "Event"}, {"name", "Change"}, {"args", json::object()}}));
  EXPECT_EQ(state.LastChangeValue, -12.5);
}

TEST_F(RenderPassTest, ChangeHandlerMaySetANewValue) {
  // A host handler that changes the value inside Change: its own pass raises the next
  // Change, and nothing is raised twice for one value.
  int handled = 0;
  form.OnEvent([&](int32_t dispid, const std::string& name, std::span<host::EventArg>) {
    EXPECT_EQ(dispid, 6);
    EXPECT_EQ(name, "Change");
    if (++handled == 1) {
      state.StoredValue = 7;
      RenderDisplay(display);
    }
  });
  state.StoredValue = 3;
  RenderDisplay(display);
  EXPECT_EQ(handled, 2);
  EXPECT_EQ(state.LastChangeValue, 7.0);
}

TEST_F(RenderPassTest, OverRangeRowShrinksTheWidth) {
  state.StoredAutoSize = core::kTrue;
  state.StoredLeadingPlusMinus = core::kFalse;
  state.StoredDigits = 4;
  state.StoredDecimals = 2;
  state.StoredValue = 123.456;
  // "O" and "R" in two cells; without over range the row grows to five instead.
  for (auto [overRange, cells] : {std::pair{core::kTrue, 2}, std::pair{core::kFalse, 5}}) {
    state.StoredUseOverRange = overRange;
    EXPECT_EQ(Named(Recorded(), "Width").front()["value"], (3 + cells * 34 + 4) * 15) << cells;
  }
}

TEST_F(RenderPassTest, LongValueRunsPastTheDigits) {
  state.StoredLeadingPlusMinus = core::kFalse;
  state.StoredDecimals = 0;
  state.StoredValue = 123456;
  RenderDisplay(display);
  EXPECT_EQ(GlyphLefts(), (std::vector<double>{3, 37, 71, 105, 139, 173}));
}

TEST_F(RenderPassTest, GlyphsLightTheirSegments) {
  state.StoredLeadingPlusMinus = core::kFalse;
  state.StoredShowAllDecimalPoints = core::kFalse;
  state.StoredDecimals = 0;
  state.StoredDigits = 1;
  struct Case {
    double value;
    const char* lit;  // the lit segments of the last cell, by letter
  };
  const Case cases[] = {
      {0, "abcdef"}, {1, "bc"},  {2, "abdeg"},   {3, "abcdg"}, {4, "bcfg"},    {5, "acdfg"},
      {6, "cdefg"},  {7, "abc"}, {8, "abcdefg"}, {9, "abcfg"}, {10, "abcefg"},  // over range: "O"
                                                                                // then "R", the
                                                                                // last one shaped
                                                                                // like an A
  };
  const char drawingOrder[] = "afbgecd";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    state.StoredValue = c.value;
    state.StoredUseOverRange = core::ToBoolean(c.value >= 10);
    const std::vector<json> lines = Named(Recorded(), "Line");
    ASSERT_EQ(lines.size() % 21, 0u);
    const size_t last = lines.size() - 21;
    for (size_t segment = 0; segment < 7; ++segment) {
      const bool lit = std::string(c.lit).find(drawingOrder[segment]) != std::string::npos;
      EXPECT_EQ(lines[last + segment * 3]["color"], lit ? kOn : kOff) << drawingOrder[segment];
    }
  }
  // The "O" of over range lights all but the middle bar.
  const std::vector<json> lines = Calls("Line");
  ASSERT_EQ(lines.size(), 42u);
  EXPECT_EQ(lines[9]["color"], kOff);
  EXPECT_EQ(lines[18]["color"], kOn);
}

// Every glyph of text lights its segments, in the table the README shows.
TEST_F(RenderPassTest, TextGlyphsLightTheirSegments) {
  state.StoredDigits = 1;
  struct Case {
    const char* text;
    const char* lit;  // the cell's lit segments, by letter
  };
  const Case cases[] = {
      {"0", "abcdef"},  {"1", "bc"},        {"2", "abdeg"},  {"3", "abcdg"},
      {"4", "bcfg"},    {"5", "acdfg"},     {"6", "cdefg"},  {"7", "abc"},
      {"8", "abcdefg"}, {"9", "abcfg"},     {"A", "abcefg"}, {"b", "cdefg"},
      {"C", "adef"},    {"c", "deg"},       {"d", "bcdeg"},  {"E", "adefg"},
      {"F", "aefg"},    {"G", "acdef"},     {"H", "bcefg"},  {"h", "cefg"},
      {"I", "ef"},      {"J", "bcde"},      {"L", "def"},    {"n", "ceg"},
      {"o", "cdeg"},    {"O", "abcdef"},    {"P", "abefg"},  {"q", "abcfg"},
      {"r", "eg"},      {"S", "acdfg"},     {"t", "defg"},   {"U", "bcdef"},
      {"u", "cde"},     {"y", "bcdfg"},     {"-", "g"},      {"_", "d"},
      {"=", "dg"},      {"\u00B0", "abfg"}, {" ", ""},       {"a", "abcefg"},  // the other case
      {"R", "eg"},  // "R" is not the over-range mark's
      {"K", ""},    // no glyph: blank
  };
  const char drawingOrder[] = "afbgecd";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    state.Extended.Text = c.text;
    const std::vector<json> lines = Named(Recorded(), "Line");
    ASSERT_EQ(lines.size(), 21u);  // no sign cell, no point
    for (size_t segment = 0; segment < 7; ++segment) {
      const bool lit = std::string(c.lit).find(drawingOrder[segment]) != std::string::npos;
      EXPECT_EQ(lines[segment * 3]["color"], lit ? kOn : kOff) << drawingOrder[segment];
    }
  }
}

// Segments set by hand light their mask's segments (a, b, c, d, e, f, g from bit 0) and
// point, in place of the cell's glyph, the sign cell's too.
TEST_F(RenderPassTest, SegmentsSetByHandLightTheirMask) {
  state.StoredDigits = 1;
  state.StoredDecimals = 0;
  state.Extended.CellSegments = {-1, 0b1001001 | model::kPointSegment};  // a, d, g and the point
  const std::vector<json> lines = Named(Recorded(), "Line");
  ASSERT_EQ(lines.size(), 9u + 21u + 3u);  // the sign, the cell, its point
  const char drawingOrder[] = "afbgecd";
  for (size_t segment = 0; segment < 7; ++segment) {
    const bool lit = std::string("adg").find(drawingOrder[segment]) != std::string::npos;
    EXPECT_EQ(lines[9 + segment * 3]["color"], lit ? kOn : kOff) << drawingOrder[segment];
  }
  EXPECT_EQ(lines[30]["color"], kOn);
  state.Extended.CellSegments = {0b0111111};  // over the sign: a "0"
  const std::vector<json> zero = Named(Recorded(), "Line");
  ASSERT_EQ(zero.size(), 21u + 21u + 3u);
  EXPECT_EQ(zero[0]["color"], kOn);
  EXPECT_EQ(zero[9]["color"], kOff);  // g
}

// A colon lies in the gap after its cell, where the point would: two points of
// DecimalPointSize centred a third and two thirds of the way down the digit height.
TEST_F(RenderPassTest, AColonLightsTwoPointsInTheGapAfterItsCell) {
  state.Extended.Text = "12:34";
  const std::vector<json> lines = Named(Recorded(), "Line");
  ASSERT_EQ(lines.size(), 4u * 21u + 6u);  // the second cell's lines, then its colon
  // The second cell starts at 37: the gap after it from 65 (24 + 4 on), rows about 19
  // and 35 (DigitTop 3, DigitHeight 48).
  const std::vector<json> colon(lines.begin() + 42, lines.begin() + 48);
  EXPECT_EQ(colon,
            (std::vector<json>{LineCall(65, 20, 68, 20, kOn), LineCall(65, 19, 68, 19, kOn),
                               LineCall(65, 18, 68, 18, kOn), LineCall(65, 36, 68, 36, kOn),
                               LineCall(65, 35, 68, 35, kOn), LineCall(65, 34, 68, 34, kOn)}));
}

TEST_F(RenderPassTest, BlankedZeroIsDrawnWhollyUnlit) {
  state.StoredLeadingPlusMinus = core::kFalse;
  state.StoredLeadingZeros = core::kFalse;
  state.StoredDigits = 3;
  state.StoredDecimals = 1;
  state.StoredValue = 0.5;  // "00.5": two unlit zeros, the second with the lit point
  RenderDisplay(display);
  const std::vector<json> lines = Calls("Line");
  ASSERT_EQ(lines.size(), 3u * 24u);
  for (size_t i = 0; i < 21; ++i) EXPECT_EQ(lines[i]["color"], kOff) << i;
  for (size_t i = 24; i < 45; ++i) EXPECT_EQ(lines[i]["color"], kOff) << i;
  EXPECT_EQ(lines[45]["color"], kOn);  // the point at the units digit
}

TEST_F(RenderPassTest, NoBackgroundUnderAPicture) {
  state.StoredBackGroundStyle = model::Gradient_V;
  Surface().SetExtentPixels(60, 60);
  Surface().SetPicture(platform::BitmapPicture::FromImage(platform::Image(4, 4)));
  const std::vector<json> calls = Recorded();
  EXPECT_TRUE(Named(calls, "GradientFill").empty());
  EXPECT_FALSE(Named(calls, "Line").empty());
}

}  // namespace
}  // namespace led::render
