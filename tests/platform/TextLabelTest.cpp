// The caption label on a real raster surface: sizing to its text, the surface's scale,
// refused values, the shared font and drawing.
#include <gtest/gtest.h>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/platform/raster/SystemColors.h"
#include "leddisplay/platform/text/TextLabel.h"
#include "support/ExpectRuntimeError.h"

namespace led::platform {
namespace {

class TextLabelTest : public ::testing::Test {
 protected:
  RasterSurface surface;
  TextLabel label{surface, "Label1"};
};

TEST_F(TextLabelTest, StartsWithItsDesignCaptionAndStandardFont) {
  EXPECT_EQ(label.Caption(), "Label1");
  EXPECT_EQ(label.Font()->Name(), "DejaVu Sans");
  EXPECT_EQ(label.Font()->Size(), 80000);
  EXPECT_EQ(label.ForeColor(), 0u);
  EXPECT_EQ(label.Alignment(), 0);
  EXPECT_EQ(label.Left(), 0.0f);
  EXPECT_GT(label.Width(), 0.0f);
}

TEST_F(TextLabelTest, SizesItselfToItsText) {
  label.SetCaption("8");
  const float narrow = label.Width(), oneLine = label.Height();
  label.SetCaption("Caption Lower");
  EXPECT_GT(label.Width(), narrow);
  EXPECT_EQ(label.Height(), oneLine);

  label.SetCaption("");
  EXPECT_EQ(label.Width(), 0.0f);
  EXPECT_EQ(label.Height(), oneLine);  // an empty caption keeps one line

  label.SetCaption(" ");
  EXPECT_GT(label.Width(), 0.0f);  // a blank is text

  label.SetCaption("Caption Lower");
  label.SetFont(StdFont::Create("DejaVu Sans", 16));
  EXPECT_GT(label.Height(), oneLine);
}

TEST_F(TextLabelTest, SharesTheFontObjectItIsGiven) {
  auto font = StdFont::Create("DejaVu Sans", 8);
  label.SetFont(font);
  EXPECT_EQ(label.Font(), font);
  const float before = label.Height();
  font->SetSize(240000);
  EXPECT_GT(label.Height(), before);
}

TEST_F(TextLabelTest, RefusesBadAlignmentAndNoFont) {
  label.SetAlignment(2);
  for (int16_t bad : {-1, 3, 32767}) {
    EXPECT_RUNTIME_ERROR(label.SetAlignment(bad), 380) << "alignment " << bad;
    EXPECT_EQ(label.Alignment(), 2);
  }
  const auto font = label.Font();
  EXPECT_RUNTIME_ERROR(label.SetFont(nullptr), 91);
  EXPECT_EQ(label.Font(), font);
}

TEST_F(TextLabelTest, SizesAndPlacesFollowTheSurfaceScale) {
  label.SetCaption("Caption");
  const int32_t widthPx = label.PixelWidth(), heightPx = label.PixelHeight();
  label.SetLeft(10);
  label.SetTop(4);

  surface.SetScaleMode(host::kScaleTwips);
  EXPECT_FLOAT_EQ(label.Width(), widthPx * 15.0f);
  EXPECT_FLOAT_EQ(label.Height(), heightPx * 15.0f);
  EXPECT_FLOAT_EQ(label.Left(), 150.0f);
  label.SetLeft(300);  // twips
  label.SetTop(30);

  surface.SetScaleMode(host::kScalePixels);
  EXPECT_FLOAT_EQ(label.Left(), 20.0f);
  EXPECT_FLOAT_EQ(label.Top(), 2.0f);
  EXPECT_FLOAT_EQ(label.Width(), static_cast<float>(widthPx));
}

TEST_F(TextLabelTest, TextIsMeasuredAtTheScreenResolution) {
  label.SetCaption("Caption");
  const int32_t at96 = label.PixelHeight();
  surface.SetTwipsPerPixel(7.5f, 7.5f);  // 192 dpi
  EXPECT_NEAR(label.PixelHeight(), 2 * at96, 2);
}

TEST_F(TextLabelTest, DrawsItsTextAtItsPlaceInItsColour) {
  const Pixel black = OpaquePixel(0);
  Image image(120, 40, black);
  label.SetCaption("HHH");
  label.SetForeColor(0x80000000u | kColorButtonFace);  // a system colour, resolved
  label.SetLeft(30);
  label.SetTop(10);
  label.DrawOnto(image, 5, 2);

  const Pixel face = OpaquePixel(SystemColor(kColorButtonFace));
  int32_t minX = image.width, minY = image.height, maxX = -1, maxY = -1;
  bool full = false;
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x)
      if (image.at(x, y) != black) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        full = full || image.at(x, y) == face;
      }
  EXPECT_TRUE(full);
  EXPECT_GE(minX, 35);
  EXPECT_LT(maxX, 35 + label.PixelWidth());
  EXPECT_GE(minY, 12);
  EXPECT_LT(maxY, 12 + label.PixelHeight());

  Image untouched(120, 40, black);
  label.SetLeft(-1.0e30f);  // far away: nothing drawn, nothing overflows
  label.DrawOnto(untouched, 0, 0);
  EXPECT_EQ(untouched.pixels, Image(120, 40, black).pixels);
}

}  // namespace
}  // namespace led::platform
