// The vector surface keeps as shapes exactly what a raster surface paints: its shapes
// sampled at pixel centres are the composed image of a raster surface given the same
// calls, whatever the lines, pen, scale, clipping, pictures and resizes; the lines of one
// piece are one polygon, with a bevel as one slanted edge. It keeps no pixels, and so
// takes extents no image could hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "leddisplay/host/Gdi.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/vector/SurfaceShapes.h"
#include "leddisplay/platform/vector/VectorSurface.h"
#include "support/ExpectRuntimeError.h"
#include "vector/PixelCentres.h"

namespace led::platform {
namespace {

using host::LineCall;

constexpr core::OleColor kRed = 0x0000FF, kBlue = 0xFF0000;
constexpr size_t kAny = std::numeric_limits<size_t>::max();

// The pieces the lines merged into: the outlines of every polygon.
size_t PolygonCount(const Drawing& drawing) {
  size_t n = 0;
  for (const Shape& s : drawing.shapes)
    if (const auto* polygon = std::get_if<Polygon>(&s.kind)) n += polygon->outlines.size();
  return n;
}

// Rows i = 0..n-1 of a bar whose ends step in by one pixel a row, as a bevelled bar.
std::vector<LineCall> Bevel(float left, float right, float top, int n, core::OleColor color) {
  std::vector<LineCall> lines;
  for (int i = 0; i < n; ++i) lines.push_back({left + i, top + i, right - i, top + i, color});
  return lines;
}

// A bar three pixels wide and n rows long, bevelled at both ends, drawn as one line a row,
// each row moved right by 0.29 pixels for each row above the bottom one: a slanted bar.
std::vector<LineCall> SlantedBar(float left, float top, int n, core::OleColor color) {
  std::vector<LineCall> lines;
  for (int i = 0; i < n; ++i) {
    const float shift = 0.29f * float(n - 1 - i), inset = float(std::min({2, i, n - 1 - i}));
    lines.push_back({left + shift, top + i, left + inset + shift, top + i, color});
  }
  return lines;
}

// A vector surface and a raster one given the same calls: f(surface, its GDI) for each.
struct Twins {
  template <class F>
  void Both(F&& f) {
    f(vector, vector.Gdi());
    f(raster, GdiTable::Instance());
  }
  // Whether the vector surface's shapes, sampled at pixel centres, are the raster image.
  bool Alike() { return test::SampleAtCentres(vector.Shapes()).pixels == raster.Compose().pixels; }

  VectorSurface vector;
  RasterSurface raster;
};

struct LineCase {
  std::string name;
  int16_t scaleMode;
  int16_t pen;
  std::vector<LineCall> lines;
  size_t polygons;  // besides the cleared background; kAny: not checked
};

TEST(VectorSurface, ShapesSampledAtPixelCentresAreTheRasterImage) {
  std::vector<LineCall> middle = {{3, 10, 20, 10, kRed},
                                  {4, 9, 19, 9, kRed},
                                  {5, 8, 18, 8, kRed},
                                  {4, 11, 19, 11, kRed},
                                  {5, 12, 18, 12, kRed}};
  std::vector<LineCall> column;
  for (int i = 0; i < 4; ++i) column.push_back({3.0f + i, 2.0f + i, 3.0f + i, 17.0f - i, kRed});
  // A cell's top-left corner: the top bar, and the left bar two rows below its top, whose
  // bevels face each other a pixel apart (and meet in the shapes).
  std::vector<LineCall> corner = Bevel(3, 20, 2, 3, kRed);
  for (int i = 0; i < 3; ++i) corner.push_back({3.0f + i, 4.0f + i, 3.0f + i, 15.0f - i, kBlue});
  const std::vector<LineCase> cases = {
      {"bevelled bar", 3, 1, Bevel(2, 20, 5, 4, kRed), 1},
      {"middle bar drawn from its centre out", 3, 1, middle, 1},
      {"bar of columns", 3, 1, column, 1},
      {"a cell's left-hand corner", 3, 1, corner, 2},
      {"reversed lines of a thick short bar", 3, 1, Bevel(8, 12, 2, 6, kRed), 1},
      {"two colours", 3, 1, {{2, 3, 20, 3, kRed}, {2, 4, 20, 4, kBlue}}, 2},
      {"a line across a piece", 3, 1, {{2, 5, 20, 5, kRed}, {10, 0, 10, 19, kRed}}, 2},
      {"rows apart", 3, 1, {{2, 5, 20, 5, kRed}, {2, 7, 20, 7, kRed}}, 2},
      {"rows side by side without a shared pixel",
       3,
       1,
       {{2, 5, 8, 5, kRed}, {9, 6, 12, 6, kRed}},
       2},
      {"sloped lines", 3, 1, {{1, 1, 20, 9, kRed}, {2, 18, 6, 1, kBlue}}, kAny},
      {"wide pen, sloped", 3, 3, {{2, 2, 18, 14, kRed}}, kAny},
      {"wide pen, straight", 3, 4, {{3, 4, 15, 4, kRed}, {20, 8, 20, 16, kRed}}, 2},
      {"wide pen, an L in one piece", 3, 4, {{3, 4, 15, 4, kRed}, {3, 8, 3, 16, kRed}}, 1},
      {"past every edge",
       3,
       1,
       {{-5, 0, 40, 0, kRed}, {-3, 19, 30, 19, kRed}, {23, -4, 23, 40, kRed}, {30, 2, 40, 2, kRed}},
       3},
      {"twips", 1, 1, Bevel(30, 300, 75, 3, kRed), kAny},
      {"a slanted bar: rows moved by fractions of a pixel", 3, 1, SlantedBar(3, 2, 16, kRed), 1},
      {"fractional ends",
       3,
       1,
       {{2.5f, 3.5f, 10.49f, 3.5f, kRed}, {1.5f, 4.4f, 11.5f, 4.4f, kRed}},
       kAny},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    Twins twins;
    twins.Both([&](RasterSurface& surface, host::Gdi&) {
      surface.SetExtentPixels(24, 20);
      surface.SetScaleMode(c.scaleMode);
      surface.SetDrawWidth(c.pen);
      surface.Cls();
      surface.Lines(c.lines);
    });
    EXPECT_TRUE(twins.Alike());
    if (c.polygons != kAny) {
      EXPECT_EQ(PolygonCount(twins.vector.Shapes()), c.polygons + 1);
    }
  }
}

TEST(VectorSurface, ABevelIsOnePolygonWithSlantedEnds) {
  VectorSurface surface;
  surface.SetExtentPixels(24, 20);
  surface.Cls();
  surface.Lines(Bevel(2, 20, 5, 4, kRed));
  const Drawing drawing = surface.Shapes();
  ASSERT_EQ(drawing.shapes.size(), 2u);
  const auto& bar = std::get<Polygon>(drawing.shapes[1].kind);
  // Through the ends of the rows at their centre lines, carried on by half a row, and cut
  // where the pixels end: the top row reaches no further than its pixels.
  const std::vector<std::pair<double, double>> corners = {{21, 5},  {21, 5.5}, {17.5, 9},
                                                          {5.5, 9}, {2, 5.5},  {2, 5}};
  ASSERT_EQ(bar.outlines.size(), 1u);
  ASSERT_EQ(bar.outlines[0].size(), corners.size());
  for (size_t i = 0; i < corners.size(); ++i) {
    EXPECT_EQ(bar.outlines[0][i].x, corners[i].first);
    EXPECT_EQ(bar.outlines[0][i].y, corners[i].second);
  }
}

TEST(VectorSurface, ASlantedBarHasStraightSides) {
  VectorSurface surface;
  surface.SetExtentPixels(24, 20);
  surface.Cls();
  surface.Lines(SlantedBar(3, 2, 16, kRed));
  const Drawing drawing = surface.Shapes();
  ASSERT_EQ(drawing.shapes.size(), 2u);
  const auto& bar = std::get<Polygon>(drawing.shapes[1].kind);
  ASSERT_EQ(bar.outlines.size(), 1u);
  // The outer side one edge (cut at the bottom where the pixels end), the inner side a
  // bevel, an edge and a bevel.
  EXPECT_EQ(bar.outlines[0].size(), 7u);
}

TEST(VectorSurface, BorderPicturesCopiesAndResizesAreKeptToo) {
  Image tile(6, 5);
  for (int32_t y = 0; y < tile.height; ++y)
    for (int32_t x = 0; x < tile.width; ++x)
      tile.at(x, y) = MakePixel(uint8_t(40 * x), uint8_t(50 * y), 90, uint8_t(x == 0 ? 128 : 255));
  const auto picture = BitmapPicture::FromImage(tile);

  Twins twins;
  twins.Both([&](RasterSurface& surface, host::Gdi& gdi) {
    surface.SetExtentPixels(30, 20);
    surface.SetBorderStyle(1);
    surface.SetBackColor(0x336699);
    surface.SetPicture(picture);  // drawn by Cls, blended over the back colour
    surface.Lines(Bevel(2, 20, 5, 3, kRed));
    // A block copy onto the surface, partly outside the source.
    const int32_t memory = gdi.CreateCompatibleDC(surface.hDC());
    const int32_t kept = gdi.SelectObject(memory, int32_t(picture->Handle()));
    EXPECT_NE(gdi.BitBlt(surface.hDC(), 12, 10, 10, 10, memory, 2, 1, host::kSrcCopy), 0);
    gdi.SelectObject(memory, kept);
    gdi.DeleteDC(memory);
    surface.SetExtentPixels(36, 24);  // grown without a Cls: the new strips show the back colour
    surface.Line(30, 1, 30, 30, kBlue);
  });
  EXPECT_TRUE(twins.Alike());

  twins.Both([](RasterSurface& surface, host::Gdi&) {
    surface.SetAppearance(0);  // flat border, one pixel
    surface.SetExtentPixels(10, 8);
  });
  EXPECT_TRUE(twins.Alike());

  // Shapes kept beside a surface that keeps its pixels (a view drawn again for a printer)
  // hold nothing of what was drawn before them, so no copied pictures; from a Cls on they
  // are that surface's image.
  RasterSurface& raster = twins.raster;
  SurfaceShapes beside(raster);
  for (const Shape& shape : beside.Shapes().shapes)
    EXPECT_FALSE(std::holds_alternative<Picture>(shape.kind));
  raster.Cls();
  beside.Cls();
  const std::vector<LineCall> bevel = Bevel(1, 9, 1, 3, kBlue);
  raster.Lines(bevel);
  beside.Lines(bevel);
  EXPECT_TRUE(test::SampleAtCentres(beside.Shapes()).pixels == raster.Compose().pixels);
}

TEST(VectorSurface, GradientFillsAreGradientsBetweenTheEndColumnsColours) {
  Twins twins;
  const host::TriVertex vertices[] = {{2, 1, 0x1000, 0x8000, 0xFF00, 0},
                                      {18, 9, 0xF000, 0x2000, 0x0000, 0}};
  const host::GradientMeshRect mesh[] = {{0, 1}};
  twins.Both([&](RasterSurface& surface, host::Gdi& gdi) {
    surface.SetExtentPixels(20, 10);
    surface.Cls();
    ASSERT_NE(gdi.GradientFill(surface.hDC(), vertices, mesh, host::kGradientFillRectH), 0);
  });
  const Drawing drawing = twins.vector.Shapes();
  ASSERT_EQ(drawing.shapes.size(), 2u);
  const auto& g = std::get<Gradient>(drawing.shapes[1].kind);
  EXPECT_EQ(g.area.left, 2);
  EXPECT_EQ(g.area.right, 18);
  EXPECT_EQ(g.from.x, 2.5);
  EXPECT_EQ(g.to.x, 17.5);
  EXPECT_EQ(g.first, twins.raster.Inner().at(2, 5));
  EXPECT_EQ(g.last, twins.raster.Inner().at(17, 5));
}

// A see-through block copy over the whole area (a transparent control over a
// see-through container) starts the shapes anew, as its pixels replace the image's, and
// adds nothing where it is wholly see-through; an opaque one is drawn over what is there.
TEST(VectorSurface, ACopyOverTheWholeAreaThatLetsAnythingThroughStartsTheShapesAnew) {
  struct Case {
    std::string name;
    uint8_t alpha;  // of the backdrop but for its one red pixel
    bool dot;       // whether the red pixel lies in the copied block
    size_t polygons;
    bool picture;  // whether the copy is a picture
  };
  const std::vector<Case> cases = {
      {"opaque", 255, true, 2, true},  // the back colour, the line, under the copy
      {"see-through with an opaque pixel", 0, true, 0, true},
      {"wholly see-through", 0, false, 0, false},
      {"partly see-through", 128, false, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Image backdrop(12, 8, MakePixel(10, 20, 30, c.alpha));
    backdrop.at(c.dot ? 5 : 0, 3) = MakePixel(200, 0, 0);
    const auto picture = BitmapPicture::FromImage(backdrop);
    Twins twins;
    twins.Both([&](RasterSurface& surface, host::Gdi& gdi) {
      surface.SetExtentPixels(10, 6);
      surface.SetBackColor(0x00FF00);
      surface.Line(0, 2, 9, 2, kRed);
      const int32_t memory = gdi.CreateCompatibleDC(surface.hDC());
      const int32_t kept = gdi.SelectObject(memory, int32_t(picture->Handle()));
      EXPECT_NE(gdi.BitBlt(surface.hDC(), 0, 0, 10, 6, memory, 1, 1, host::kSrcCopy), 0);
      gdi.SelectObject(memory, kept);
      gdi.DeleteDC(memory);
    });
    const Drawing drawing = twins.vector.Shapes();
    EXPECT_EQ(PolygonCount(drawing), c.polygons);
    ASSERT_EQ(drawing.shapes.size(), c.polygons + (c.picture ? 1 : 0));
    if (c.picture) {
      const auto& copied = std::get<Picture>(drawing.shapes.back().kind);
      EXPECT_EQ(copied.image.pixels, twins.raster.Inner().pixels);
    }
  }
}

// Without an image, the extent is bounded by what shapes hold, not by an image's size;
// the drawing's errors are the raster surface's.
TEST(VectorSurface, KeepsNoPixelsAndTakesExtentsNoImageCouldHold) {
  VectorSurface surface;
  EXPECT_FALSE(surface.KeepsPixels());
  surface.SetBorderStyle(1);
  surface.SetExtentPixels(25600, 12800);  // 327 Mi pixels: beyond any kept image
  EXPECT_EQ(surface.InnerWidth(), 25596);
  EXPECT_EQ(surface.ScaleHeight(), 12796.0f);
  EXPECT_EQ(surface.Inner().pixels.size(), 0u);
  EXPECT_RUNTIME_ERROR(surface.Compose(), 5);
  surface.Cls();
  const std::vector<LineCall> lines = {{10, 10, 25000, 10, kRed},
                                       {0, std::numeric_limits<float>::infinity(), 5, 5, kBlue}};
  EXPECT_RUNTIME_ERROR(surface.Lines(lines), 6);
  const Drawing drawing = surface.Shapes();
  EXPECT_EQ(drawing.width, 25600);
  ASSERT_EQ(PolygonCount(drawing), 8u + 1 + 1);  // the edge's sides, the back colour, a line
  EXPECT_EQ(std::get<Polygon>(drawing.shapes.back().kind).color, OpaquePixel(kRed));

  const auto side = int32_t(kMaxShapeSide);
  surface.SetExtentPixels(side + 4, 4);
  EXPECT_RUNTIME_ERROR(surface.SetExtentPixels(side + 5, 4), 380);
  EXPECT_RUNTIME_ERROR(surface.SetBorderStyle(0), 380);
  EXPECT_EQ(surface.InnerWidth(), side);
}

}  // namespace
}  // namespace led::platform
