// The line rule of the raster surface: end pixels, rounding of fractional ends, the
// same pixels in either direction, clipping, pen width and colour resolution.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/raster/SystemColors.h"
#include "support/ExpectRuntimeError.h"

namespace led::platform {
namespace {

constexpr core::OleColor kWhite = 0xFFFFFF;
constexpr Pixel kWhitePixel = OpaquePixel(kWhite);

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

// A surface of w x h inner pixels, cleared to black.
void Prepare(RasterSurface& surface, int32_t w, int32_t h) {
  surface.SetExtentPixels(w, h);
  surface.Cls();
}

PixelSet Painted(const Image& image) {
  PixelSet set;
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x)
      if (image.at(x, y) != OpaquePixel(0)) set.insert({x, y});
  return set;
}

PixelSet DrawOne(float x1, float y1, float x2, float y2, int32_t w = 12, int32_t h = 12) {
  RasterSurface surface;
  Prepare(surface, w, h);
  surface.Line(x1, y1, x2, y2, kWhite);
  return Painted(surface.Inner());
}

TEST(RasterSurfaceLine, PaintsBothEndPixelsAndNothingBeyond) {
  EXPECT_EQ(DrawOne(2, 3, 6, 3), (PixelSet{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}));
  EXPECT_EQ(DrawOne(4, 1, 4, 4), (PixelSet{{4, 1}, {4, 2}, {4, 3}, {4, 4}}));
  EXPECT_EQ(DrawOne(5, 5, 5, 5), (PixelSet{{5, 5}}));
  EXPECT_EQ(DrawOne(0, 0, 3, 3), (PixelSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

TEST(RasterSurfaceLine, SlopedLinesStepAtTheRoundedMidpoint) {
  // (0,0)-(4,1): y = floor((2*i + 4) / 8), so the step comes at x = 2.
  EXPECT_EQ(DrawOne(0, 0, 4, 1), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}));
  // Steep: x follows the same rule along y.
  EXPECT_EQ(DrawOne(0, 0, 1, 4), (PixelSet{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {1, 4}}));
  // Descending: the tie at x = 2 (y = 3.5) goes to the larger y.
  EXPECT_EQ(DrawOne(0, 4, 4, 3), (PixelSet{{0, 4}, {1, 4}, {2, 4}, {3, 3}, {4, 3}}));
}

TEST(RasterSurfaceLine, FractionalEndsRoundToNearestWithHalvesUp) {
  // 0.5 -> 1, 2.5 -> 3, 3.5 -> 4, 1.4 -> 1, 1.6 -> 2, -0.5 -> 0, -1.5 -> -1.
  EXPECT_EQ(DrawOne(0.5f, 2.5f, 3.5f, 2.5f), (PixelSet{{1, 3}, {2, 3}, {3, 3}, {4, 3}}));
  EXPECT_EQ(DrawOne(-1.5f, 0.5f, 1.5f, 0.5f), (PixelSet{{0, 1}, {1, 1}, {2, 1}}));
  // Lines one unit apart from a half pixel land on adjacent rows: a stroke has no gap.
  for (const float y : {4.5f, 5.5f, 6.5f, 7.5f})
    EXPECT_EQ(DrawOne(2, y, 2, y), (PixelSet{{2, int32_t(y + 0.5f)}})) << y;
  EXPECT_EQ(DrawOne(1.4f, 1.6f, 1.6f, 1.4f), (PixelSet{{1, 2}, {2, 1}}));
  EXPECT_EQ(DrawOne(2.49f, 0, 2.51f, 0), (PixelSet{{2, 0}, {3, 0}}));
}

TEST(RasterSurfaceLine, ReversedEndsPaintTheSamePixels) {
  const float lines[][4] = {{0, 0, 4, 1}, {0, 0, 1, 4},   {1, 7, 10, 2},
                            {3, 3, 9, 6}, {0, 11, 11, 0}, {2, 9, 5, 0},
                            {0, 0, 6, 3}, {11, 5, 0, 6},  {1.5f, 2.5f, 8.5f, 5.5f}};
  for (const auto& l : lines) {
    SCOPED_TRACE(testing::Message() << l[0] << "," << l[1] << " - " << l[2] << "," << l[3]);
    EXPECT_EQ(DrawOne(l[0], l[1], l[2], l[3]), DrawOne(l[2], l[3], l[0], l[1]));
  }
}

// A line on a small image must paint exactly the window of the same line drawn, shifted,
// on an image large enough to hold it whole.
TEST(RasterSurfaceLine, ClippingKeepsThePixelsOfTheWholeLine) {
  const int32_t shift = 40;
  const float lines[][4] = {{-10, 5, 100, 5}, {5, -30, 5, 50}, {-7, -3, 15, 9}, {-20, 30, 30, -20},
                            {14, -6, -9, 17}, {-35, 2, 38, 7}, {3, -35, 6, 38}, {-5, -5, -1, -1},
                            {12, 0, 30, 11},  {5, 12, 5, 30},  {5, -30, 5, -2}, {-20, 15, 30, 15}};
  for (const auto& l : lines) {
    SCOPED_TRACE(testing::Message() << l[0] << "," << l[1] << " - " << l[2] << "," << l[3]);
    const PixelSet whole =
        DrawOne(l[0] + shift, l[1] + shift, l[2] + shift, l[3] + shift, 100, 100);
    PixelSet window;
    for (const auto& [x, y] : whole)
      if (x >= shift && x < shift + 12 && y >= shift && y < shift + 10)
        window.insert({x - shift, y - shift});
    EXPECT_EQ(DrawOne(l[0], l[1], l[2], l[3], 12, 10), window);
  }
}

TEST(RasterSurfaceLine, CoordinatesFollowTheScaleMode) {
  RasterSurface surface;
  Prepare(surface, 12, 12);
  surface.SetScaleMode(host::kScaleTwips);
  surface.Line(30, 15, 97, 15, kWhite);  // 97 / 15 = 6.47 -> 6
  EXPECT_EQ(Painted(surface.Inner()), (PixelSet{{2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}}));
}

TEST(RasterSurfaceLine, WidePenPaintsASquareAroundEachPixel) {
  RasterSurface surface;
  Prepare(surface, 12, 12);
  surface.SetDrawWidth(3);
  surface.Line(5, 5, 5, 5, kWhite);
  EXPECT_EQ(Painted(surface.Inner()).size(), 9u);
  EXPECT_EQ(surface.Inner().at(4, 4), kWhitePixel);
  EXPECT_EQ(surface.Inner().at(6, 6), kWhitePixel);
  // Partly outside: only the inside part, and no fault.
  surface.Cls();
  surface.Line(-1, 0, -1, 0, kWhite);
  EXPECT_EQ(Painted(surface.Inner()), (PixelSet{{0, 0}, {0, 1}}));
}

TEST(RasterSurfaceLine, ColoursResolveSystemIndicesAndIgnoreHighBits) {
  ResetSystemColors();
  RasterSurface surface;
  Prepare(surface, 4, 4);
  surface.Line(0, 0, 0, 0, core::kSystemColorBit | kColorButtonFace);
  surface.Line(1, 0, 1, 0, 0x02123456);
  surface.Line(2, 0, 2, 0, core::kSystemColorBit | 999);
  EXPECT_EQ(surface.Inner().at(0, 0), MakePixel(212, 208, 200));
  EXPECT_EQ(surface.Inner().at(1, 0), OpaquePixel(0x123456));
  EXPECT_EQ(surface.Inner().at(2, 0), OpaquePixel(0));
}

TEST(RasterSurfaceLine, NonFiniteOrHugeCoordinatesOverflow) {
  RasterSurface surface;
  Prepare(surface, 4, 4);
  const float bad[] = {std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity(), 3e9f, -3e9f};
  for (float v : bad) {
    EXPECT_RUNTIME_ERROR(surface.Line(0, 0, v, 1, kWhite), core::kOverflow) << "end at " << v;
  }
  EXPECT_TRUE(Painted(surface.Inner()).empty());
  // Far but representable ends are clipped, not refused.
  surface.Line(-2e9f, 1, 2e9f, 1, kWhite);
  EXPECT_EQ(Painted(surface.Inner()).size(), 4u);
  // In a batch the lines before a refused one are drawn and those after it are not.
  const host::LineCall batch[] = {
      {0, 3, 0, 3, kWhite}, {0, 0, bad[0], 1, kWhite}, {3, 3, 3, 3, kWhite}};
  EXPECT_RUNTIME_ERROR(surface.Lines(batch), core::kOverflow);
  EXPECT_EQ(Painted(surface.Inner()), (PixelSet{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 3}}));
}

}  // namespace
}  // namespace led::platform
