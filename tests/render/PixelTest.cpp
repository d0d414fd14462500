// A few pixels of a display rendered on the raster surface.
#include <gtest/gtest.h>

#include "RenderFixture.h"
#include "leddisplay/render/RenderPass.h"

namespace led::render::testing {
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
  ASSERT_EQ(Surface().ExtentPixelsX(), 173);
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

}  // namespace
}  // namespace led::render::testing
