// Runs of one colour as the raster surface writes them (the whole image for Cls, a row
// for a horizontal line) at every length around the width of the wide stores, and the
// exact bounds of line ends.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::platform {
namespace {

constexpr Pixel kBack = OpaquePixel(0x204060);
constexpr Pixel kInk = OpaquePixel(0xC0C0FF);

TEST(RasterSurfaceFill, ClsCoversEveryPixelOfEverySize) {
  for (int32_t width = 1; width <= 41; width += 4) {
    RasterSurface surface;
    surface.SetExtentPixels(width, 3);
    surface.Line(0, 0, float(width - 1), 2, 0xFFFFFF);
    surface.SetBackColor(0x204060);  // clears
    for (const Pixel p : surface.Inner().pixels) ASSERT_EQ(p, kBack) << "width " << width;
  }
}

// A clear is put off until the image is used, and dropped under a gradient that paints
// it whole: whoever uses the image next (the GDI table copying from it or painting part
// of it, a refused gradient, the composed picture) sees the cleared pixels.
TEST(RasterSurfaceFill, ClsShowsWhereverTheImageIsUsedNext) {
  GdiTable& gdi = GdiTable::Instance();
  const host::GradientMeshRect rect{0, 1};
  const auto gradient = [&](RasterSurface& surface, int32_t right, uint32_t mode) {
    const host::TriVertex v[2] = {{0, 0, 0xFF00, 0, 0, 0}, {right, 2, 0xFF00, 0, 0, 0}};
    return gdi.GradientFill(surface.hDC(), v, {&rect, 1}, mode);
  };
  const std::function<Pixel(RasterSurface&)> uses[] = {
      [](RasterSurface& s) { return s.Inner().at(3, 1); },
      [&](RasterSurface& s) {  // copied out of the surface by its device context
        RasterSurface other;
        other.SetExtentPixels(4, 2);
        gdi.BitBlt(other.hDC(), 0, 0, 4, 2, s.hDC(), 0, 0, host::kSrcCopy);
        return other.Inner().at(3, 1);
      },
      [&](RasterSurface& s) {  // a gradient over part of it
        gradient(s, 2, host::kGradientFillRectH);
        return s.Inner().at(3, 1);
      },
      [&](RasterSurface& s) {  // a gradient refused
        gradient(s, 4, 7);
        return s.Inner().at(3, 1);
      },
      [](RasterSurface& s) { return s.Compose().at(3, 1); },
  };
  for (size_t i = 0; i < std::size(uses); ++i) {
    SCOPED_TRACE(i);
    RasterSurface surface;
    surface.SetExtentPixels(4, 2);
    surface.SetBackColor(0xC0C0FF);
    surface.Line(0, 0, 3, 1, 0xFFFFFF);
    surface.Inner();
    surface.SetBackColor(0x204060);  // clears
    EXPECT_EQ(uses[i](surface), kBack);
  }
  // Painted whole, the gradient is all there is.
  RasterSurface surface;
  surface.SetExtentPixels(4, 2);
  surface.Cls();
  ASSERT_EQ(gradient(surface, 4, host::kGradientFillRectV), 1);
  for (const Pixel p : surface.Inner().pixels) EXPECT_EQ(p, MakePixel(0xFF, 0, 0));
}

TEST(RasterSurfaceFill, HorizontalRunsPaintExactlyTheirPixels) {
  constexpr int32_t kWidth = 90;
  RasterSurface surface;
  surface.SetExtentPixels(kWidth, 1);
  surface.SetBackColor(0x204060);
  for (int32_t left = 0; left < 4; ++left) {
    for (int32_t length = 1; length <= 80; ++length) {
      surface.Cls();
      surface.Line(float(left), 0, float(left + length - 1), 0, 0xC0C0FF);
      for (int32_t x = 0; x < kWidth; ++x) {
        const bool inside = x >= left && x < left + length;
        ASSERT_EQ(surface.Inner().at(x, 0), inside ? kInk : kBack)
            << "left " << left << ", length " << length << ", x " << x;
      }
    }
  }
}

TEST(RasterSurfaceFill, EndsAreRefusedFromTwoToTheThirtyFirstPixels) {
  RasterSurface surface;
  surface.SetExtentPixels(4, 4);
  surface.Cls();
  // -2^31 is the last end still drawn (and clipped); 2^31 is the first refused.
  EXPECT_NO_THROW(surface.Line(-2147483648.0f, 1, 3, 1, 0xFFFFFF));
  EXPECT_EQ(surface.Inner().at(0, 1), OpaquePixel(0xFFFFFF));
  EXPECT_NO_THROW(surface.Line(0, 2, 2147483520.0f, 2, 0xFFFFFF));
  EXPECT_EQ(surface.Inner().at(3, 2), OpaquePixel(0xFFFFFF));
  for (const float bad : {2147483648.0f, std::nextafter(-2147483648.0f, -1e10f)}) {
    try {
      surface.Line(0, 0, 0, bad, 0xFFFFFF);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const core::RuntimeError& e) {
      EXPECT_EQ(e.number(), core::kOverflow);
    }
  }
  // The same bounds hold in a scale mode other than pixels.
  surface.SetScaleMode(host::kScaleTwips);
  surface.SetTwipsPerPixel(1, 1);
  EXPECT_NO_THROW(surface.Line(-2147483648.0f, 3, 3, 3, 0xFFFFFF));
  EXPECT_THROW(surface.Line(0, 0, 2147483648.0f, 0, 0xFFFFFF), core::RuntimeError);
}

}  // namespace
}  // namespace led::platform
