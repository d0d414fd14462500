// A few pixels of a display rendered on the raster surface.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "RenderFixture.h"
#include "leddisplay/render/AlphaGlyphs.h"
#include "leddisplay/render/Glyphs.h"
#include "leddisplay/render/RenderPass.h"

namespace led::render {
namespace {

using platform::OpaquePixel;

class PixelTest : public RenderTest {
 protected:
  PixelTest() {
    state.StoredAutoSize = core::kTrue;
    Surface().SetBackColor(0x102030);
  }
};

TEST_F(PixelTest, LitAndUnlitSegments) {
  state.StoredValue = 1;  // "+1.000": the "1" lights b and c only
  RenderDisplay(display);
  ASSERT_EQ(Surface().ExtentPixelsX(), 177);
  EXPECT_EQ(PixelAt(49, 3), OpaquePixel(model::kFirstOffColor));   // a of the "1"
  EXPECT_EQ(PixelAt(61, 15), OpaquePixel(model::kFirstOnColor));   // b of the "1"
  EXPECT_EQ(PixelAt(49, 27), OpaquePixel(model::kFirstOffColor));  // g of the "1"
  EXPECT_EQ(PixelAt(83, 27), OpaquePixel(model::kFirstOffColor));  // g of a lit "0"
  EXPECT_EQ(PixelAt(83, 51), OpaquePixel(model::kFirstOnColor));   // d of a lit "0"
  EXPECT_EQ(PixelAt(66, 54), OpaquePixel(model::kFirstOnColor));   // the lit point
  EXPECT_EQ(PixelAt(12, 10), OpaquePixel(model::kFirstOnColor));   // the plus stem
  EXPECT_EQ(PixelAt(1, 1), OpaquePixel(0x102030));                 // background
}

TEST_F(PixelTest, GradientTopAndBottomRows) {
  state.StoredBackGroundStyle = model::Gradient_V;
  state.StoredBackGroundG1 = 0x0000FF;  // red, at the bottom
  state.StoredBackGroundG2 = 0xFF0000;  // blue, at the top
  RenderDisplay(display);
  const int32_t bottom = Surface().Inner().height - 1;
  ASSERT_GT(bottom, 0);
  for (int32_t x : {0, 1, 172}) {
    EXPECT_EQ(PixelAt(x, 0), OpaquePixel(0xFF0000)) << x;
    EXPECT_EQ(PixelAt(x, bottom), OpaquePixel(0x0000FF)) << x;
  }
}

TEST_F(PixelTest, HorizontalGradientEnds) {
  state.StoredBackGroundStyle = model::Gradient_H;
  state.StoredBackGroundG1 = 0x00FF00;
  state.StoredBackGroundG2 = 0x000080;
  RenderDisplay(display);
  const int32_t right = Surface().Inner().width - 1;
  EXPECT_EQ(PixelAt(0, 1), OpaquePixel(0x00FF00));
  EXPECT_EQ(PixelAt(right, 1), OpaquePixel(0x000080));
}

TEST_F(PixelTest, UnconvertibleGradientColourShowsBackColorAndDigits) {
  state.StoredBackGroundStyle = model::Gradient_V;
  state.StoredBackGroundG1 = 0x1000000;
  RenderDisplay(display);
  EXPECT_EQ(PixelAt(1, 1), OpaquePixel(0x102030));
  EXPECT_EQ(PixelAt(61, 15), OpaquePixel(model::kFirstOnColor));  // b of a lit "0"
}

TEST_F(PixelTest, LastDecimalPointFitsInsideTheBorderOfEveryEdge) {
  // The last cell starts at 139: its point covers x 167..170, and the row ends at 173.
  struct Edge {
    int32_t appearance, borderStyle, side;
  };
  const Edge edges[] = {{model::ThreeD, model::FixedSingle, 2},
                        {model::Flat, model::FixedSingle, 1},
                        {model::ThreeD, model::BorderNone, 0},
                        {model::Flat, model::BorderNone, 0}};
  for (const Edge& edge : edges) {
    SCOPED_TRACE(::testing::Message() << edge.appearance << "/" << edge.borderStyle);
    state.StoredAppearance = edge.appearance;
    state.StoredBorderStyle = edge.borderStyle;
    Surface().SetAppearance(static_cast<int16_t>(edge.appearance));
    Surface().SetBorderStyle(static_cast<int16_t>(edge.borderStyle));
    RenderDisplay(display);
    EXPECT_EQ(Surface().ExtentPixelsX(), 173 + 2 * edge.side);
    ASSERT_EQ(Surface().Inner().width, 173);
    for (int32_t x = 167; x <= 170; ++x)
      EXPECT_EQ(PixelAt(x, 55), OpaquePixel(model::kFirstOffColor)) << x;  // an unlit point
    EXPECT_EQ(PixelAt(172, 55), OpaquePixel(0x102030));                    // the spacing after it
  }
}

// 14- and 16-segment cells read back from their pixels: the colour at the middle of each
// segment (worked out here from the cell's outline, not from the drawing code) is lit
// exactly for the segments the glyph table gives, at zoom 1 and 2.
// The middle of each segment of a 14- or 16-segment cell at (x, y), worked out here from
// the cell's outline (DigitWidth 40, DigitHeight 64, SegmentWidth 4, SegmentSeperation 2
// at `zoom`), not from the drawing code; by segment name, in the style's bit order.
std::vector<std::pair<std::string, std::pair<double, double>>> SegmentMiddles(bool sixteen,
                                                                              double zoom) {
  const double x = 3 * zoom, y = 3 * zoom, W = 40 * zoom, H = 64 * zoom, h = H / 2;
  const double w = 4 * zoom, s = 2 * zoom;
  const double left = (x + w + s + x + W / 2 - s) / 2, right = (x + W / 2 + s + x + W - w - s) / 2;
  const double upper = (y + w + s + y + h - s) / 2, lower = (y + h + s + y + H - w - s) / 2;
  std::vector<std::pair<std::string, std::pair<double, double>>> middles;
  if (sixteen) {
    middles.push_back({"a1", {x + W / 4, y + 1}});
    middles.push_back({"a2", {x + 3 * W / 4, y + 1}});
  } else {
    middles.push_back({"a", {x + W / 2, y + 1}});
  }
  middles.push_back({"b", {x + W - 1, y + h / 2}});
  middles.push_back({"c", {x + W - 1, y + h + h / 2}});
  if (sixteen) {
    middles.push_back({"d1", {x + W / 4, y + H - 1}});
    middles.push_back({"d2", {x + 3 * W / 4, y + H - 1}});
  } else {
    middles.push_back({"d", {x + W / 2, y + H - 1}});
  }
  const std::vector<std::pair<std::string, std::pair<double, double>>> rest = {
      {"e", {x + 1, y + h + h / 2}},  {"f", {x + 1, y + h / 2}}, {"g1", {x + W / 4, y + h}},
      {"g2", {x + 3 * W / 4, y + h}}, {"h", {left, upper}},      {"i", {x + W / 2, y + h / 2}},
      {"j", {right, upper}},          {"k", {left, lower}},      {"l", {x + W / 2, y + h + h / 2}},
      {"m", {right, lower}}};
  middles.insert(middles.end(), rest.begin(), rest.end());
  return middles;
}

// 14- and 16-segment cells read back from their pixels light exactly the segments their
// glyph gives, for every glyph of both styles at zoom 1 and 2, and for named cases.
TEST_F(PixelTest, AlphanumericCellsLightTheSegmentsOfTheirGlyphs) {
  const auto read = [&](int16_t style, const std::string& text, double zoom) {
    state = model::FirstValues();
    state.StoredAutoSize = core::kTrue;
    state.StoredBorderStyle = model::BorderNone;
    state.StoredDigits = 1;
    state.StoredDigitWidth = 40;
    state.StoredDigitHeight = 64;
    state.StoredSegmentWidth = 4;
    state.Extended.SegmentStyle = style;
    state.Extended.Text = text;
    display.zoom = zoom;
    RenderDisplay(display);
    std::string lit;
    uint32_t mask = 0, bit = 1;
    for (const auto& [name, at] : SegmentMiddles(style == 2, zoom)) {
      const platform::Pixel pixel = PixelAt(int32_t(at.first), int32_t(at.second));
      EXPECT_TRUE(pixel == OpaquePixel(model::kFirstOnColor) ||
                  pixel == OpaquePixel(model::kFirstOffColor))
          << name;
      if (pixel == OpaquePixel(model::kFirstOnColor)) {
        lit += (lit.empty() ? "" : " ") + name;
        mask |= bit;
      }
      bit <<= 1;
    }
    return std::pair{lit, mask};
  };
  struct Case {
    int16_t style;
    const char* text;
    const char* lit;  // by segment name
  };
  const Case cases[] = {
      {1, "H", "b c e f g1 g2"}, {1, "Z", "a d j k"},         {1, "K", "e f g1 j m"},
      {1, "M", "b c e f h j"},   {1, "X", "h j k m"},         {1, "B", "a b c d g2 i l"},
      {1, "0", "a b c d e f"},   {1, "a", "a b c e f g1 g2"}, {2, "Z", "a1 a2 d1 d2 j k"},
      {2, "T", "a1 a2 i l"},     {2, "?", "a1 a2 b g2 l"},    {2, "~", ""},  // no glyph: blank
  };
  for (const double zoom : {1.0, 2.0}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.text << " style " << c.style << " zoom " << zoom);
      EXPECT_EQ(read(c.style, c.text, zoom).first, c.lit);
    }
    for (const int16_t style : {1, 2})
      for (const char c : kAlphaGlyphs) {
        if (c == ' ') continue;  // a blank cell: the empty mask, as "~" above
        const std::string text = c == kDegreeGlyph ? "\u00B0" : std::string(1, c);
        SCOPED_TRACE(::testing::Message()
                     << "'" << text << "' style " << style << " zoom " << zoom);
        EXPECT_EQ(read(style, text, zoom).second, AlphaSegments(c, style == 2));
      }
  }
}

// The pixels of each row that are not the back colour, by column.
using Rows = std::vector<std::map<int32_t, platform::Pixel>>;
Rows DigitPixels(const platform::Image& image, platform::Pixel back) {
  Rows rows(size_t(image.height));
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x)
      if (image.at(x, y) != back) rows[size_t(y)][x] = image.at(x, y);
  return rows;
}

TEST_F(PixelTest, SlantedRowsAreTheUprightRowsMovedByTheirLean) {
  // Every row of a slanted display is the upright row moved right by tan(Slant) times its
  // height above the digits' bottom edge, rounded: bars keep their width and bevels, and
  // the row grows by the lean of its top.
  struct Case {
    const char* name;
    double slant, zoom;
    int16_t segmentWidth, digitHeight;
  };
  const Case cases[] = {{"real displays' lean", 8, 1, 3, 48},
                        {"steepest, bars thicker than half their length", 20, 1, 9, 20},
                        {"zoomed", 12.5, 1.5, 3, 48}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state = model::FirstValues();
    state.StoredAutoSize = core::kTrue;
    state.StoredBorderStyle = model::BorderNone;
    state.StoredValue = -12.5;
    state.StoredSegmentWidth = c.segmentWidth;
    state.StoredDigitHeight = c.digitHeight;
    display.zoom = c.zoom;
    const platform::Pixel back = OpaquePixel(0x102030);  // the fixture's back colour
    RenderDisplay(display);
    const platform::Image upright = Surface().Inner();
    state.Extended.Slant = c.slant;
    RenderDisplay(display);
    const platform::Image slanted = Surface().Inner();

    const double factor = std::tan(c.slant * std::numbers::pi / 180);
    const double base = core::ZoomLength(3, c.zoom) + core::ZoomLength(c.digitHeight, c.zoom);
    const int32_t lean = core::ZoomLength(int16_t(std::ceil(factor * (c.digitHeight + 1))), c.zoom);
    EXPECT_EQ(slanted.width, upright.width + lean);
    ASSERT_EQ(slanted.height, upright.height);
    Rows expected(size_t(upright.height));
    const Rows before = DigitPixels(upright, back);
    for (int32_t y = 0; y < upright.height; ++y) {
      const int32_t shift = int32_t(std::floor(factor * (base - y) + 0.5));
      for (const auto& [x, pixel] : before[size_t(y)]) expected[size_t(y)][x + shift] = pixel;
    }
    const Rows after = DigitPixels(slanted, back);
    // A pixel moved past the right edge would be missing: nothing is cut.
    for (int32_t y = 0; y < upright.height; ++y)
      EXPECT_EQ(after[size_t(y)], expected[size_t(y)]) << y;
  }
}

}  // namespace
}  // namespace led::render
