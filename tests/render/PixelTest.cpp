// A few pixels of a display rendered on the raster surface.
#include <gtest/gtest.h>

#include "RenderFixture.h"
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

}  // namespace
}  // namespace led::render
