// The raster surface apart from lines: starting state, extent and resize notification,
// the size cap, border and inner size, Cls, composition, scales and refused values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/raster/SystemColors.h"
#include "support/ExpectRuntimeError.h"

namespace led::platform {
namespace {

TEST(RasterSurface, StartsKeepingAnEmptyPixelImage) {
  RasterSurface surface;
  EXPECT_EQ(surface.AutoRedraw(), core::kTrue);
  EXPECT_EQ(surface.ScaleMode(), host::kScalePixels);
  EXPECT_EQ(surface.Appearance(), 1);
  EXPECT_EQ(surface.BorderStyle(), 0);
  EXPECT_EQ(surface.BackColor(), 0u);
  EXPECT_EQ(surface.Enabled(), core::kTrue);
  EXPECT_EQ(surface.Width(), 0.0f);
  EXPECT_EQ(surface.TwipsPerPixelX(), 15.0f);
  EXPECT_EQ(surface.Inner().width, 0);
  EXPECT_NE(surface.hDC(), 0);
  RasterSurface other;
  EXPECT_NE(surface.hWnd(), other.hWnd());
  EXPECT_NE(surface.hDC(), other.hDC());
}

TEST(RasterSurface, ResizeIsDeliveredInsideTheSetAndOnlyForANewExtent) {
  RasterSurface surface;
  std::vector<float> seen;  // the width as the handler sees it
  surface.SetResizeHandler([&] { seen.push_back(surface.Width()); });
  surface.SetWidth(1500);
  EXPECT_EQ(seen, std::vector<float>{1500});
  EXPECT_EQ(surface.ExtentPixelsX(), 100);
  EXPECT_EQ(surface.Inner().width, 100);
  surface.SetWidth(1500);  // unchanged
  surface.SetWidth(1507);  // 100.47 pixels: still 100
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(surface.Width(), 1500.0f);
  surface.SetHeight(22.5f);  // 1.5 pixels, half to even: 2
  EXPECT_EQ(surface.ExtentPixelsY(), 2);
  EXPECT_EQ(surface.Height(), 30.0f);
  EXPECT_EQ(seen.size(), 2u);
}

TEST(RasterSurface, AHandlerMaySetTheExtentAgain) {
  RasterSurface surface;
  int calls = 0;
  surface.SetResizeHandler([&] {
    ++calls;
    surface.SetHeight(300);  // the nested set notifies once, then changes nothing
  });
  surface.SetWidth(600);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(surface.ExtentPixelsX(), 40);
  EXPECT_EQ(surface.ExtentPixelsY(), 20);
}

TEST(RasterSurface, RefusedExtentsChangeNothing) {
  RasterSurface surface;
  surface.SetExtentPixels(10, 10);
  int calls = 0;
  surface.SetResizeHandler([&] { ++calls; });
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float twips : {-15.0f, nan, inf, 32768.0f * 15, 1e30f}) {
    SCOPED_TRACE(twips);
    EXPECT_RUNTIME_ERROR(surface.SetWidth(twips), 380);
    EXPECT_RUNTIME_ERROR(surface.SetHeight(twips), 380);
  }
  // Each side is allowed, but not the area: 8192 x 8193 > 64 Mi pixels.
  surface.SetExtentPixels(8192, 10);
  EXPECT_RUNTIME_ERROR(surface.SetHeight(8193 * 15.0f), 380);
  EXPECT_RUNTIME_ERROR(surface.SetExtentPixels(-1, 5), 380);
  EXPECT_EQ(surface.ExtentPixelsX(), 8192);
  EXPECT_EQ(surface.ExtentPixelsY(), 10);
  EXPECT_EQ(surface.Inner().height, 10);
  EXPECT_EQ(calls, 1);
  // The cap is on the inner image: a border makes room for a larger extent...
  surface.SetBorderStyle(1);
  surface.SetExtentPixels(32769, 4);
  EXPECT_EQ(surface.Inner().width, 32765);
  // ...and a border change that would make the inner image too large is refused.
  surface.SetExtentPixels(32771, 6);
  EXPECT_RUNTIME_ERROR(surface.SetBorderStyle(0), 380);
  EXPECT_EQ(surface.BorderStyle(), 1);
}

TEST(RasterSurface, BorderThicknessAndInnerSizeForEachAppearance) {
  struct Case {
    int16_t appearance, borderStyle;
    int32_t thickness;
  };
  for (const Case c : {Case{0, 0, 0}, Case{1, 0, 0}, Case{0, 1, 1}, Case{1, 1, 2}}) {
    SCOPED_TRACE(testing::Message() << c.appearance << "/" << c.borderStyle);
    RasterSurface surface;
    surface.SetAppearance(c.appearance);
    surface.SetBorderStyle(c.borderStyle);
    surface.SetExtentPixels(100, 50);
    EXPECT_EQ(surface.BorderThickness(), c.thickness);
    EXPECT_EQ(surface.Inner().width, 100 - 2 * c.thickness);
    EXPECT_EQ(surface.Inner().height, 50 - 2 * c.thickness);
    EXPECT_EQ(surface.ScaleWidth(), float(100 - 2 * c.thickness));
    EXPECT_EQ(surface.Width(), 1500.0f);  // the extent includes the border
    surface.SetExtentPixels(3, 1);        // smaller than the border: no inner area
    EXPECT_EQ(surface.Inner().height, c.thickness ? 0 : 1);
    surface.SetExtentPixels(2 * c.thickness, 9);  // no inner width, some height
    surface.SetPicture(BitmapPicture::FromImage(Image(0, 4)));
    surface.Line(0, 0, 5, 5, 0xFFFFFF);
    EXPECT_EQ(surface.Compose().width, 2 * c.thickness);
    EXPECT_EQ(surface.Inner().height, 9 - 2 * c.thickness);
  }
}

TEST(RasterSurface, ComposeDrawsTheBorderAroundTheInnerImage) {
  ResetSystemColors();
  RasterSurface surface;
  surface.SetBorderStyle(1);
  surface.SetExtentPixels(8, 6);
  surface.SetBackColor(0x0000FF);
  Image whole = surface.Compose();
  ASSERT_EQ(whole.width, 8);
  ASSERT_EQ(whole.height, 6);
  EXPECT_EQ(whole.at(0, 0), MakePixel(128, 128, 128));  // outer shadow
  EXPECT_EQ(whole.at(1, 1), MakePixel(64, 64, 64));     // inner dark shadow
  EXPECT_EQ(whole.at(7, 5), MakePixel(255, 255, 255));  // outer highlight
  EXPECT_EQ(whole.at(6, 4), MakePixel(212, 208, 200));  // inner light
  EXPECT_EQ(whole.at(7, 0), MakePixel(255, 255, 255));  // far corners: lower-right sides
  EXPECT_EQ(whole.at(2, 2), OpaquePixel(0x0000FF));
  EXPECT_EQ(whole.at(5, 3), OpaquePixel(0x0000FF));

  surface.SetAppearance(0);
  whole = surface.Compose();
  EXPECT_EQ(whole.at(0, 0), MakePixel(0, 0, 0));
  EXPECT_EQ(whole.at(7, 5), MakePixel(0, 0, 0));
  EXPECT_EQ(whole.at(1, 1), OpaquePixel(0x0000FF));
  EXPECT_EQ(surface.Inner().width, 6);
}

TEST(RasterSurface, ClsShowsTheBackColourAndThePicture) {
  RasterSurface surface;
  surface.SetExtentPixels(4, 3);
  surface.SetBackColor(0x00FF00);
  surface.Line(0, 0, 3, 2, 0xFFFFFF);
  surface.Cls();
  for (Pixel p : surface.Inner().pixels) EXPECT_EQ(p, OpaquePixel(0x00FF00));

  // A 2 x 5 picture: opaque red over a half-transparent blue pixel, clipped below.
  Image bitmap(2, 5, MakePixel(255, 0, 0));
  bitmap.at(1, 0) = MakePixel(0, 0, 255, 128);
  surface.SetPicture(BitmapPicture::FromImage(bitmap));  // clears too
  const Image& inner = surface.Inner();
  EXPECT_EQ(inner.at(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(inner.at(1, 0), MakePixel(0, 127, 128));
  EXPECT_EQ(inner.at(1, 2), MakePixel(255, 0, 0));
  EXPECT_EQ(inner.at(2, 0), OpaquePixel(0x00FF00));
  EXPECT_EQ(inner.at(3, 2), OpaquePixel(0x00FF00));
}

TEST(RasterSurface, GrowingKeepsTheDrawingAndFillsWithTheBackColour) {
  RasterSurface surface;
  surface.SetExtentPixels(3, 3);
  surface.SetBackColor(0x112233);
  surface.Line(2, 2, 2, 2, 0xFFFFFF);
  surface.SetExtentPixels(5, 4);
  EXPECT_EQ(surface.Inner().at(2, 2), OpaquePixel(0xFFFFFF));
  EXPECT_EQ(surface.Inner().at(4, 3), OpaquePixel(0x112233));
}

TEST(RasterSurface, TheDeviceContextDrawsIntoTheKeptImage) {
  RasterSurface surface;
  surface.SetExtentPixels(4, 2);
  surface.SetExtentPixels(6, 2);  // a new image size keeps the same context
  const host::TriVertex v[2] = {{0, 0, 0xFF00, 0, 0, 0}, {6, 2, 0xFF00, 0, 0, 0}};
  const host::GradientMeshRect rect{0, 1};
  ASSERT_NE(GdiTable::Instance().GradientFill(surface.hDC(), v, {&rect, 1}, 0), 0);
  EXPECT_EQ(surface.Inner().at(5, 1), MakePixel(255, 0, 0));
}

TEST(RasterSurface, ScalesConvertThroughTwipsPerPixel) {
  RasterSurface surface;
  surface.SetExtentPixels(20, 10);
  EXPECT_FLOAT_EQ(surface.ScaleX(2, host::kScalePixels, host::kScaleTwips), 30);
  EXPECT_FLOAT_EQ(surface.ScaleY(30, host::kScaleTwips, host::kScalePixels), 2);
  EXPECT_FLOAT_EQ(surface.ScaleX(40, host::kScaleTwips, host::kScalePoints), 2);
  EXPECT_FLOAT_EQ(surface.ScaleX(1440, host::kScaleTwips, 5), 1);  // inches
  EXPECT_FLOAT_EQ(surface.ScaleX(7, host::kScaleUser, host::kScalePixels), 7);
  surface.SetScaleMode(host::kScaleTwips);
  EXPECT_FLOAT_EQ(surface.ScaleWidth(), 300);
  surface.SetScaleMode(host::kScalePoints);
  EXPECT_FLOAT_EQ(surface.ScaleHeight(), 7.5f);

  surface.SetTwipsPerPixel(12, 20);  // keeps the pixel extent
  EXPECT_EQ(surface.Width(), 240.0f);
  EXPECT_EQ(surface.Height(), 200.0f);
  EXPECT_FLOAT_EQ(surface.ScaleY(1, host::kScalePixels, host::kScaleTwips), 20);
  EXPECT_RUNTIME_ERROR(surface.ScaleX(1, 9, host::kScalePixels), 5);
  EXPECT_RUNTIME_ERROR(surface.ScaleY(1, host::kScalePixels, -1), 5);
  EXPECT_RUNTIME_ERROR(surface.SetTwipsPerPixel(0, 15), 380);
  EXPECT_RUNTIME_ERROR(surface.SetTwipsPerPixel(15, std::nanf("")), 380);
}

TEST(RasterSurface, RefusedPropertyValuesKeepTheOldValue) {
  RasterSurface surface;
  EXPECT_RUNTIME_ERROR(surface.SetAppearance(2), 380);
  EXPECT_RUNTIME_ERROR(surface.SetBorderStyle(-1), 380);
  EXPECT_RUNTIME_ERROR(surface.SetMousePointer(16), 380);
  EXPECT_RUNTIME_ERROR(surface.SetDrawWidth(0), 380);
  EXPECT_RUNTIME_ERROR(surface.SetScaleMode(8), 380);
  EXPECT_EQ(surface.Appearance(), 1);
  EXPECT_EQ(surface.BorderStyle(), 0);
  EXPECT_EQ(surface.DrawWidth(), 1);
  EXPECT_EQ(surface.ScaleMode(), host::kScalePixels);
  surface.SetMousePointer(99);
  EXPECT_EQ(surface.MousePointer(), 99);
}

}  // namespace
}  // namespace led::platform
