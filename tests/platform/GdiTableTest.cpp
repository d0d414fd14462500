// The GDI subset: contexts and selection, BitBlt clipping, GradientFill end colours,
// bad handles, and the system colour table behind GetSysColor.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/SystemColors.h"
#include "support/ExpectRuntimeError.h"

namespace led::platform {
namespace {

GdiTable& Gdi() {
  return GdiTable::Instance();
}

// A bitmap with its own context; both released at the end of the test.
struct Canvas {
  std::shared_ptr<Image> image;
  int32_t bitmap = 0;
  int32_t dc = 0;
  Canvas(int32_t w, int32_t h, Pixel fill) : image(std::make_shared<Image>(w, h, fill)) {
    bitmap = Gdi().RegisterBitmap(image);
    dc = Gdi().CreateBitmapDC(bitmap);
  }
  ~Canvas() {
    Gdi().DeleteDC(dc);
    Gdi().ReleaseBitmap(bitmap);
  }
};

// Source pixels numbered so that every copied pixel shows where it came from.
Pixel Numbered(int32_t x, int32_t y) {
  return MakePixel(uint8_t(x), uint8_t(y), 7);
}
constexpr Pixel kUntouched = 0;

TEST(GdiTable, ContextsSelectAndReturnThePreviousBitmap) {
  Canvas a(2, 2, 0), b(3, 3, 0);
  const int32_t dc = Gdi().CreateCompatibleDC(a.dc);
  ASSERT_NE(dc, 0);
  EXPECT_EQ(Gdi().SelectedBitmap(dc), Gdi().StockBitmap());
  EXPECT_EQ(Gdi().SelectObject(dc, a.bitmap), Gdi().StockBitmap());
  EXPECT_EQ(Gdi().SelectObject(dc, b.bitmap), a.bitmap);
  EXPECT_EQ(Gdi().SelectObject(dc, Gdi().StockBitmap()), b.bitmap);
  EXPECT_EQ(Gdi().DeleteDC(dc), 1);
  EXPECT_EQ(Gdi().DeleteDC(dc), 0);
  EXPECT_NE(Gdi().CreateCompatibleDC(0), 0);  // the screen
}

TEST(GdiTable, BadHandlesFailWithoutHarm) {
  Canvas a(2, 2, 0);
  const int32_t bogus = 0x7FFFFFF0;
  EXPECT_EQ(Gdi().CreateCompatibleDC(bogus), 0);
  EXPECT_EQ(Gdi().SelectObject(bogus, a.bitmap), 0);
  EXPECT_EQ(Gdi().SelectObject(a.dc, bogus), 0);
  EXPECT_EQ(Gdi().SelectObject(a.dc, a.dc), 0);  // a context is not a bitmap
  EXPECT_EQ(Gdi().SelectedBitmap(a.dc), a.bitmap);
  EXPECT_EQ(Gdi().BitBlt(bogus, 0, 0, 1, 1, a.dc, 0, 0, host::kSrcCopy), 0);
  EXPECT_EQ(Gdi().BitBlt(a.dc, 0, 0, 1, 1, bogus, 0, 0, host::kSrcCopy), 0);
  EXPECT_EQ(Gdi().BitBlt(a.dc, 0, 0, 1, 1, a.dc, 0, 0, 0x00EE0086), 0);  // not SRCCOPY
  EXPECT_EQ(Gdi().BitBlt(a.dc, 0, 0, -1, 1, a.dc, 0, 0, host::kSrcCopy), 0);
  const host::TriVertex v[2] = {};
  const host::GradientMeshRect rect{0, 1}, badRect{0, 2};
  EXPECT_EQ(Gdi().GradientFill(bogus, v, {&rect, 1}, 0), 0);
  EXPECT_EQ(Gdi().GradientFill(a.dc, v, {&rect, 1}, 2), 0);     // not a rectangle mode
  EXPECT_EQ(Gdi().GradientFill(a.dc, v, {&badRect, 1}, 0), 0);  // vertex out of range
  EXPECT_EQ(Gdi().BitmapOf(bogus), nullptr);
  Gdi().ReleaseBitmap(Gdi().StockBitmap());  // ignored
  EXPECT_NE(Gdi().BitmapOf(Gdi().StockBitmap()), nullptr);

  // A released bitmap fails in the contexts that still hold it.
  auto image = std::make_shared<Image>(2, 2, 0);
  const int32_t gone = Gdi().RegisterBitmap(image);
  const int32_t dc = Gdi().CreateBitmapDC(gone);
  Gdi().ReleaseBitmap(gone);
  EXPECT_EQ(Gdi().BitBlt(dc, 0, 0, 1, 1, a.dc, 0, 0, host::kSrcCopy), 0);
  EXPECT_EQ(Gdi().CreateBitmapDC(gone), 0);
  Gdi().DeleteDC(dc);
  for (Pixel p : a.image->pixels) EXPECT_EQ(p, 0u);
}

TEST(GdiTable, BitBltCopiesOnlyWhereSourceAndDestinationOverlap) {
  struct Case {
    const char* name;
    int32_t x, y, w, h, xSrc, ySrc;
  };
  const Case cases[] = {
      {"inside", 1, 1, 2, 2, 0, 0},
      {"negative source offsets", 0, 0, 4, 4, -2, -1},
      {"block larger than source and destination", -1, 0, 20, 20, 0, 0},
      {"source smaller than destination", 2, 2, 6, 6, 1, 1},
      {"negative destination", -2, -3, 5, 5, 0, 0},
      {"source beyond its image", 0, 0, 3, 3, 4, 0},
      {"empty block", 0, 0, 0, 3, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas src(4, 3, 0), dest(6, 5, kUntouched);
    for (int32_t y = 0; y < 3; ++y)
      for (int32_t x = 0; x < 4; ++x) src.image->at(x, y) = Numbered(x, y);
    ASSERT_EQ(Gdi().BitBlt(dest.dc, c.x, c.y, c.w, c.h, src.dc, c.xSrc, c.ySrc, host::kSrcCopy), 1);
    for (int32_t y = 0; y < 5; ++y)
      for (int32_t x = 0; x < 6; ++x) {
        const int32_t sx = x - c.x + c.xSrc, sy = y - c.y + c.ySrc;
        const bool inBlock = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h;
        const bool fromSource = inBlock && src.image->Contains(sx, sy);
        EXPECT_EQ(dest.image->at(x, y), fromSource ? Numbered(sx, sy) : kUntouched)
            << "at " << x << "," << y;
      }
  }
}

TEST(GdiTable, BitBltWithinOneImageReadsTheOldPixels) {
  Canvas c(4, 1, 0);
  for (int32_t x = 0; x < 4; ++x) c.image->at(x, 0) = Numbered(x, 0);
  ASSERT_EQ(Gdi().BitBlt(c.dc, 1, 0, 3, 1, c.dc, 0, 0, host::kSrcCopy), 1);
  EXPECT_EQ(c.image->pixels,
            (std::vector<Pixel>{Numbered(0, 0), Numbered(0, 0), Numbered(1, 0), Numbered(2, 0)}));
}

TEST(GdiTable, GradientFillEndsExactlyOnTheVertexColours) {
  const host::TriVertex red{0, 0, 0xFF00, 0x1200, 0, 0};
  const host::TriVertex blue{0, 0, 0, 0x3400, 0xE000, 0};
  const host::GradientMeshRect rect{0, 1};
  for (uint32_t mode : {host::kGradientFillRectH, host::kGradientFillRectV}) {
    SCOPED_TRACE(mode);
    const bool h = mode == host::kGradientFillRectH;
    Canvas c(12, 10, kUntouched);
    host::TriVertex v[2] = {red, blue};
    v[0].x = 1, v[0].y = 2, v[1].x = 11, v[1].y = 9;  // fills [1,11) x [2,9)
    ASSERT_EQ(Gdi().GradientFill(c.dc, v, {&rect, 1}, mode), 1);
    const Image& img = *c.image;
    EXPECT_EQ(img.at(1, 2), MakePixel(0xFF, 0x12, 0));
    EXPECT_EQ(img.at(10, 8), MakePixel(0, 0x34, 0xE0));
    EXPECT_EQ(img.at(h ? 10 : 1, h ? 2 : 8), MakePixel(0, 0x34, 0xE0));
    EXPECT_EQ(img.at(h ? 1 : 10, h ? 8 : 2), MakePixel(0xFF, 0x12, 0));
    EXPECT_EQ(img.at(0, 2), kUntouched);
    EXPECT_EQ(img.at(11, 8), kUntouched);
    EXPECT_EQ(img.at(5, 9), kUntouched);
    EXPECT_EQ(img.at(5, 1), kUntouched);
    // Halfway the channels lie between the ends, falling red and rising blue.
    const Pixel mid = img.at(5, 5);
    const Pixel before = h ? img.at(4, 5) : img.at(5, 4);
    EXPECT_LT((mid >> 16) & 0xFF, (before >> 16) & 0xFF);
    EXPECT_GT(mid & 0xFF, before & 0xFF);
  }
}

TEST(GdiTable, GradientFillTakesTheFirstColourFromTheNearerVertexAndClips) {
  const host::GradientMeshRect rect{0, 1};
  Canvas c(10, 4, kUntouched);
  // Vertices given right to left and starting outside the image: column 4 is the last
  // column of [-5, 5) and carries the colour of the vertex at x = 5.
  const host::TriVertex v[2] = {{5, 4, 0xFF00, 0, 0, 0}, {-5, 0, 0, 0xFF00, 0, 0}};
  ASSERT_EQ(Gdi().GradientFill(c.dc, v, {&rect, 1}, host::kGradientFillRectH), 1);
  EXPECT_EQ(c.image->at(4, 0), MakePixel(0xFF, 0, 0));
  EXPECT_EQ(c.image->at(4, 3), MakePixel(0xFF, 0, 0));
  EXPECT_NE(c.image->at(0, 0), MakePixel(0, 0xFF, 0));  // -5 is the green end
  EXPECT_EQ(c.image->at(5, 0), kUntouched);
  // A one-pixel extent takes the first colour; an empty one paints nothing.
  const host::TriVertex one[2] = {{7, 0, 0x1100, 0, 0, 0}, {8, 4, 0x2200, 0, 0, 0}};
  ASSERT_EQ(Gdi().GradientFill(c.dc, one, {&rect, 1}, host::kGradientFillRectH), 1);
  EXPECT_EQ(c.image->at(7, 2), MakePixel(0x11, 0, 0));
  const host::TriVertex none[2] = {{9, 0, 0x1100, 0, 0, 0}, {9, 4, 0x2200, 0, 0, 0}};
  ASSERT_EQ(Gdi().GradientFill(c.dc, none, {&rect, 1}, host::kGradientFillRectH), 1);
  EXPECT_EQ(c.image->at(9, 0), kUntouched);
}

TEST(SystemColors, ClassicDefaultsReplaceableAndResettable) {
  ResetSystemColors();
  EXPECT_EQ(Gdi().GetSysColor(15), core::Rgb(212, 208, 200));  // button face
  EXPECT_EQ(Gdi().GetSysColor(5), core::Rgb(255, 255, 255));   // window
  EXPECT_EQ(Gdi().GetSysColor(8), core::Rgb(0, 0, 0));         // window text
  EXPECT_EQ(Gdi().GetSysColor(24), core::Rgb(255, 255, 225));  // tooltip background
  EXPECT_EQ(Gdi().GetSysColor(31), 0u);
  EXPECT_EQ(Gdi().GetSysColor(-1), 0u);
  SetSystemColor(15, 0x123456);
  EXPECT_EQ(Gdi().GetSysColor(15), 0x123456u);
  EXPECT_EQ(ResolveColor(core::kSystemColorBit | 15), 0x123456u);
  for (auto bad : {std::pair{31, 0u}, std::pair{-1, 0u}, std::pair{3, 0x1000000u}}) {
    EXPECT_RUNTIME_ERROR(SetSystemColor(bad.first, bad.second), core::kInvalidCall)
        << "colour " << bad.first;
  }
  ResetSystemColors();
  EXPECT_EQ(Gdi().GetSysColor(15), core::Rgb(212, 208, 200));
  EXPECT_EQ(Gdi().GetSysColor(3), core::Rgb(128, 128, 128));
}

}  // namespace
}  // namespace led::platform
