// The vector surface keeps as shapes exactly what it paints: its shapes sampled at pixel
// centres are its composed image, whatever the lines, pen, scale, clipping, pictures and
// resizes; the lines of one piece are one polygon, with a bevel as one slanted edge.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "leddisplay/host/Gdi.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/vector/VectorSurface.h"
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
  const std::vector<LineCase> cases = {
      {"bevelled bar", 3, 1, Bevel(2, 20, 5, 4, kRed), 1},
      {"middle bar drawn from its centre out", 3, 1, middle, 1},
      {"bar of columns", 3, 1, column, 1},
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
      {"fractional ends",
       3,
       1,
       {{2.5f, 3.5f, 10.49f, 3.5f, kRed}, {1.5f, 4.4f, 11.5f, 4.4f, kRed}},
       kAny},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    VectorSurface surface;
    surface.SetExtentPixels(24, 20);
    surface.SetScaleMode(c.scaleMode);
    surface.SetDrawWidth(c.pen);
    surface.Cls();
    surface.Lines(c.lines);
    const Drawing drawing = surface.Shapes();
    EXPECT_TRUE(test::SampleAtCentres(drawing).pixels == surface.Compose().pixels);
    if (c.polygons != kAny) {
      EXPECT_EQ(PolygonCount(drawing), c.polygons + 1);
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
  // Through the ends of the rows at their centre lines, carried on by half a row.
  const std::vector<std::pair<double, double>> corners = {{21.5, 5}, {17.5, 9}, {5.5, 9}, {1.5, 5}};
  ASSERT_EQ(bar.outlines.size(), 1u);
  ASSERT_EQ(bar.outlines[0].size(), corners.size());
  for (size_t i = 0; i < corners.size(); ++i) {
    EXPECT_EQ(bar.outlines[0][i].x, corners[i].first);
    EXPECT_EQ(bar.outlines[0][i].y, corners[i].second);
  }
}

TEST(VectorSurface, BorderPicturesCopiesAndResizesAreKeptToo) {
  Image tile(6, 5);
  for (int32_t y = 0; y < tile.height; ++y)
    for (int32_t x = 0; x < tile.width; ++x)
      tile.at(x, y) = MakePixel(uint8_t(40 * x), uint8_t(50 * y), 90, uint8_t(x == 0 ? 128 : 255));
  const auto picture = BitmapPicture::FromImage(tile);

  VectorSurface surface;
  surface.SetExtentPixels(30, 20);
  surface.SetBorderStyle(1);
  surface.SetBackColor(0x336699);
  surface.SetPicture(picture);  // drawn by Cls, blended over the back colour
  surface.Lines(Bevel(2, 20, 5, 3, kRed));
  // A block copy onto the surface, partly outside the source.
  host::Gdi& gdi = surface.Gdi();
  const int32_t memory = gdi.CreateCompatibleDC(surface.hDC());
  const int32_t kept = gdi.SelectObject(memory, int32_t(picture->Handle()));
  EXPECT_NE(gdi.BitBlt(surface.hDC(), 12, 10, 10, 10, memory, 2, 1, host::kSrcCopy), 0);
  gdi.SelectObject(memory, kept);
  gdi.DeleteDC(memory);
  surface.SetExtentPixels(36, 24);  // grown without a Cls: the new strips show the back colour
  surface.Line(30, 1, 30, 30, kBlue);
  EXPECT_TRUE(test::SampleAtCentres(surface.Shapes()).pixels == surface.Compose().pixels);

  surface.SetAppearance(0);  // flat border, one pixel
  surface.SetExtentPixels(10, 8);
  EXPECT_TRUE(test::SampleAtCentres(surface.Shapes()).pixels == surface.Compose().pixels);

  // Recording off holds no shapes, so no copied pictures; back on, a Cls starts anew.
  surface.SetRecording(false);
  for (const Shape& shape : surface.Shapes().shapes)
    EXPECT_FALSE(std::holds_alternative<Picture>(shape.kind));
  surface.SetRecording(true);
  surface.Cls();
  EXPECT_TRUE(test::SampleAtCentres(surface.Shapes()).pixels == surface.Compose().pixels);
}

TEST(VectorSurface, GradientFillsAreGradientsBetweenTheEndColumnsColours) {
  VectorSurface surface;
  surface.SetExtentPixels(20, 10);
  surface.Cls();
  const host::TriVertex vertices[] = {{2, 1, 0x1000, 0x8000, 0xFF00, 0},
                                      {18, 9, 0xF000, 0x2000, 0x0000, 0}};
  const host::GradientMeshRect mesh[] = {{0, 1}};
  ASSERT_NE(surface.Gdi().GradientFill(surface.hDC(), vertices, mesh, host::kGradientFillRectH), 0);
  const Drawing drawing = surface.Shapes();
  ASSERT_EQ(drawing.shapes.size(), 2u);
  const auto& g = std::get<Gradient>(drawing.shapes[1].kind);
  EXPECT_EQ(g.area.left, 2);
  EXPECT_EQ(g.area.right, 18);
  EXPECT_EQ(g.from.x, 2.5);
  EXPECT_EQ(g.to.x, 17.5);
  EXPECT_EQ(g.first, surface.Inner().at(2, 5));
  EXPECT_EQ(g.last, surface.Inner().at(17, 5));
}

}  // namespace
}  // namespace led::platform
