// VectorSurface: drawing as the raster surface does, recording the same; the whole
// control's shapes.
#include "leddisplay/platform/vector/VectorSurface.h"

#include <algorithm>
#include <array>
#include <climits>

#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/LinePixels.h"

namespace led::platform {

namespace {

// A pixel coordinate for a rectangle that the recorder clips to its area: values far
// outside any area become just outside it.
int32_t Near(int64_t v) {
  return int32_t(std::clamp<int64_t>(v, -1, INT32_MAX));
}

// The pen's squares of a sloped line, gathered into rectangles along rows or columns.
class SquareRuns {
 public:
  SquareRuns(ShapeRecorder& recorder, Pixel color) : recorder_(recorder), color_(color) {}
  ~SquareRuns() { Flush(); }
  SquareRuns(const SquareRuns&) = delete;
  SquareRuns& operator=(const SquareRuns&) = delete;

  void Add(const PixelRect& square) {
    if (have_ && square.top == run_.top && square.bottom == run_.bottom &&
        square.left <= run_.right && square.right >= run_.left) {
      run_.left = std::min(run_.left, square.left);
      run_.right = std::max(run_.right, square.right);
      return;
    }
    if (have_ && square.left == run_.left && square.right == run_.right &&
        square.top <= run_.bottom && square.bottom >= run_.top) {
      run_.top = std::min(run_.top, square.top);
      run_.bottom = std::max(run_.bottom, square.bottom);
      return;
    }
    Flush();
    run_ = square;
    have_ = true;
  }

 private:
  void Flush() {
    if (have_) recorder_.AddRect(run_, color_);
    have_ = false;
  }

  ShapeRecorder& recorder_;
  Pixel color_;
  PixelRect run_;
  bool have_ = false;
};

}  // namespace

VectorSurface::VectorSurface() : gdi_(*this) {}

void VectorSurface::Sync() {
  recorder_.Resize(Inner().width, Inner().height, OpaquePixel(Resolve(BackColor())));
}

// ---- Drawing ------------------------------------------------------------------------------

void VectorSurface::Line(float x1, float y1, float x2, float y2, core::OleColor color) {
  const host::LineCall line{x1, y1, x2, y2, color};
  VectorSurface::Lines(std::span(&line, 1));
}

void VectorSurface::Lines(std::span<const host::LineCall> lines) {
  if (recording_) Record(lines);
  RasterSurface::Lines(lines);
}

// Records the lines RasterSurface::Lines paints: up to the first it refuses.
void VectorSurface::Record(std::span<const host::LineCall> lines) {
  Sync();
  const int64_t w = Inner().width, h = Inner().height;
  if (lines.empty() || w == 0 || h == 0) return;
  const int16_t mode = ScaleMode();
  const bool pixels = mode == host::kScalePixels || mode == host::kScaleUser;
  const double kx = pixels ? 1.0 : PixelsPerUnit(mode, false);
  const double ky = pixels ? 1.0 : PixelsPerUnit(mode, true);
  const int64_t pen = DrawWidth(), offset = (pen - 1) / 2;
  const auto square = [&](int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    return PixelRect{Near(x0 - offset), Near(y0 - offset), Near(x1 - offset + pen),
                     Near(y1 - offset + pen)};
  };
  // Colours are resolved when they change, as the raster surface resolves them.
  core::OleColor asked = lines.front().color;
  Pixel color = LinePixel(asked);
  for (const host::LineCall& l : lines) {
    std::array<int32_t, 4> ends;
    if (!(pixels ? PixelEnds(l, ends) : ScaledEnds(l, kx, ky, ends))) return;
    if (l.color != asked) {
      asked = l.color;
      color = LinePixel(asked);
    }
    const int64_t ax = ends[0], ay = ends[1], bx = ends[2], by = ends[3];
    if (ax == bx || ay == by) {  // straight: one rectangle of the pen's squares
      recorder_.AddRect(
          square(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)), color);
      continue;
    }
    SquareRuns runs(recorder_, color);
    Rasterize(ax, ay, bx, by, offset - pen + 1, w - 1 + offset, offset - pen + 1, h - 1 + offset,
              [&](int64_t x, int64_t y) { runs.Add(square(x, y, x, y)); });
  }
}

void VectorSurface::Cls() {
  RasterSurface::Cls();
  if (!recording_) return;
  Sync();
  recorder_.Clear(OpaquePixel(Resolve(BackColor())));
  // The picture as Cls drew it: its pixels blended over the back colour.
  const host::PicturePtr picture = Picture();
  if (!picture || picture->Handle() == 0) return;
  const std::shared_ptr<Image> bitmap = GdiTable::Instance().BitmapOf(picture->Handle());
  if (!bitmap || bitmap->pixels.size() != size_t(bitmap->width) * size_t(bitmap->height)) return;
  RecordPixels(
      {0, 0, std::min(Inner().width, bitmap->width), std::min(Inner().height, bitmap->height)});
}

void VectorSurface::RecordPixels(const PixelRect& rect) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return;
  const Image& inner = Inner();
  platform::Picture picture{Image(rect.right - rect.left, rect.bottom - rect.top), rect.left,
                            rect.top};
  for (int32_t y = rect.top; y < rect.bottom; ++y)
    std::copy_n(inner.pixels.data() + size_t(y) * size_t(inner.width) + size_t(rect.left),
                picture.image.width, &picture.image.at(0, y - rect.top));
  recorder_.AddPicture(std::move(picture));
}

// ---- What the GDI drew ----------------------------------------------------------------------

void VectorSurface::RecordGradient(std::span<const host::TriVertex> vertices,
                                   std::span<const host::GradientMeshRect> mesh, uint32_t mode) {
  if (!recording_) return;
  Sync();
  const bool horizontal = mode == host::kGradientFillRectH;
  const auto color = [](const host::TriVertex& v) {
    return MakePixel(uint8_t(v.red >> 8), uint8_t(v.green >> 8), uint8_t(v.blue >> 8));
  };
  for (const host::GradientMeshRect& rect : mesh) {
    const GdiTable::GradientRect g =
        GdiTable::OrderedGradient(vertices[rect.upperLeft], vertices[rect.lowerRight], horizontal);
    const PixelRect& a = g.area;
    if (a.left >= a.right || a.top >= a.bottom) continue;
    // The first and last columns (or rows) carry the vertex colours exactly.
    const bool single = horizontal ? a.right - a.left == 1 : a.bottom - a.top == 1;
    if (single) {
      recorder_.AddRect(a, color(g.first));
      continue;
    }
    const Point from =
        horizontal ? Point{a.left + 0.5, double(a.top)} : Point{double(a.left), a.top + 0.5};
    const Point to =
        horizontal ? Point{a.right - 0.5, double(a.top)} : Point{double(a.left), a.bottom - 0.5};
    recorder_.AddGradient({a, from, to, color(g.first), color(g.last)});
  }
}

void VectorSurface::RecordCopy(int32_t x, int32_t y, int32_t width, int32_t height, int32_t xSrc,
                               int32_t ySrc, const Image& source) {
  if (!recording_) return;
  Sync();
  const PixelRect block = GdiTable::CopiedBlock(x, y, width, height, xSrc, ySrc, Inner(), source);
  // A copy replaces the pixels under it, see-through ones too (the PNG keeps their
  // alpha): one over the whole area that lets anything through starts the shapes anew,
  // so that what was drawn before does not show where the copy is see-through.
  const Image& inner = Inner();
  if (block == PixelRect{0, 0, inner.width, inner.height} &&
      std::any_of(inner.pixels.begin(), inner.pixels.end(),
                  [](Pixel p) { return (p >> 24) != 0xFF; }))
    recorder_.Clear(0);
  RecordPixels(block);
}

// ---- The whole control ----------------------------------------------------------------------

Drawing VectorSurface::Shapes() {
  Sync();
  Drawing drawing{ExtentPixelsX(), ExtentPixelsY(), {}, {}};
  const PixelRect extent{0, 0, drawing.width, drawing.height};
  const int32_t t = BorderThickness();
  const Image& inner = Inner();
  // Compose's background shows only where the border and the inner area leave room.
  if (inner.width + 2 * t < drawing.width || inner.height + 2 * t < drawing.height)
    drawing.shapes.push_back({RectanglePolygon(extent, OpaquePixel(Resolve(BackColor()))), {}});
  for (const BorderSide& side : BorderSides()) {
    const PixelRect r{std::max(side.rect.left, 0), std::max(side.rect.top, 0),
                      std::min(side.rect.right, drawing.width),
                      std::min(side.rect.bottom, drawing.height)};
    if (r.left < r.right && r.top < r.bottom)
      drawing.shapes.push_back({RectanglePolygon(r, side.pixel), {}});
  }
  Drawing content{inner.width, inner.height, recorder_.Shapes(), {}};
  for (Shape& shape : content.shapes) shape.clip = PixelRect{0, 0, inner.width, inner.height};
  AppendMoved(drawing, content, t, t);
  return drawing;
}

}  // namespace led::platform
