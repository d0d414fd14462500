// SurfaceShapes: lines as the raster rule paints them, Cls, what the GDI drew, and the
// whole control's shapes.
#include "leddisplay/platform/vector/SurfaceShapes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <memory>

#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/LinePixels.h"
#include "leddisplay/platform/raster/PixelKernels.h"

namespace led::platform {

namespace {

// A pixel coordinate for a rectangle that the recorder clips to its area: values far
// outside any area become just outside it.
int32_t Near(int64_t v) {
  return int32_t(std::clamp<int64_t>(v, -1, INT32_MAX));
}

bool Empty(const PixelRect& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

// Where the outline of a straight line's pixels ends along the line: at the line's end
// as given (`given`, moved by the pen as `edge` is), or, when the end lies on a half
// pixel, at the pixel edge `edge` (so that no outline passes through a pixel centre).
// `rounded` is the end rounded to its pixel.
double OutlineEnd(double given, int64_t rounded, double shift, int32_t edge) {
  return given - double(rounded) == -0.5 ? double(edge) : given + shift;
}

// The pixels of an image's row y from column x on.
const Pixel* PixelsAt(const Image& image, int32_t x, int32_t y) {
  return image.pixels.data() + size_t(y) * size_t(image.width) + size_t(x);
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

void SurfaceShapes::Sync() {
  recorder_.Resize(surface_.InnerWidth(), surface_.InnerHeight(),
                   OpaquePixel(surface_.Resolve(surface_.BackColor())));
}

// ---- Drawing ------------------------------------------------------------------------------

void SurfaceShapes::Lines(std::span<const host::LineCall> lines) {
  Sync();
  const int64_t w = surface_.InnerWidth(), h = surface_.InnerHeight();
  if (lines.empty() || w == 0 || h == 0) return;
  const int16_t mode = surface_.ScaleMode();
  const bool pixels = mode == host::kScalePixels || mode == host::kScaleUser;
  const double kx = pixels ? 1.0 : surface_.PixelsPerUnit(mode, false);
  const double ky = pixels ? 1.0 : surface_.PixelsPerUnit(mode, true);
  const int64_t pen = surface_.DrawWidth(), offset = (pen - 1) / 2;
  const auto square = [&](int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    return PixelRect{Near(x0 - offset), Near(y0 - offset), Near(x1 - offset + pen),
                     Near(y1 - offset + pen)};
  };
  // Colours are resolved when they change, as the raster surface resolves them.
  core::OleColor asked = lines.front().color;
  Pixel color = surface_.LinePixel(asked);
  for (const host::LineCall& l : lines) {
    std::array<int32_t, 4> ends;
    if (!(pixels ? PixelEnds(l, ends) : ScaledEnds(l, kx, ky, ends))) return;
    if (l.color != asked) {
      asked = l.color;
      color = surface_.LinePixel(asked);
    }
    const int64_t ax = ends[0], ay = ends[1], bx = ends[2], by = ends[3];
    if (ax == bx || ay == by) {  // straight: one rectangle of the pen's squares
      const PixelRect r =
          square(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by));
      if (!pixels) {
        recorder_.AddRect(r, color);
        continue;
      }
      // Its outline runs to the line's ends where they lie between pixel edges.
      ShapeRecorder::Box box{double(r.left), double(r.top), double(r.right), double(r.bottom)};
      const bool row = ay == by;
      const double e0 = row ? l.x1 : l.y1, e1 = row ? l.x2 : l.y2;
      const int64_t p0 = row ? ax : ay, p1 = row ? bx : by;
      const bool forward = p0 < p1 || (p0 == p1 && e0 <= e1);
      const double low = forward ? e0 : e1, high = forward ? e1 : e0;
      const int64_t lowPixel = forward ? p0 : p1, highPixel = forward ? p1 : p0;
      double& boxLow = row ? box.left : box.top;
      double& boxHigh = row ? box.right : box.bottom;
      boxLow = OutlineEnd(low, lowPixel, double(-offset), row ? r.left : r.top);
      boxHigh = OutlineEnd(high, highPixel, double(pen - offset), row ? r.right : r.bottom);
      recorder_.AddRect(r, color, box);
      continue;
    }
    SquareRuns runs(recorder_, color);
    Rasterize(ax, ay, bx, by, offset - pen + 1, w - 1 + offset, offset - pen + 1, h - 1 + offset,
              [&](int64_t x, int64_t y) { runs.Add(square(x, y, x, y)); });
  }
}

void SurfaceShapes::Cls() {
  Sync();
  const Pixel back = OpaquePixel(surface_.Resolve(surface_.BackColor()));
  recorder_.Clear(back);
  // The picture as Cls paints it: its pixels blended over the back colour.
  const host::PicturePtr picture = surface_.Picture();
  if (!picture || picture->Handle() == 0) return;
  const std::shared_ptr<Image> bitmap = GdiTable::Instance().BitmapOf(picture->Handle());
  if (!bitmap || bitmap->pixels.size() != size_t(bitmap->width) * size_t(bitmap->height)) return;
  const int32_t width = std::min(surface_.InnerWidth(), bitmap->width);
  const int32_t height = std::min(surface_.InnerHeight(), bitmap->height);
  if (width <= 0 || height <= 0) return;
  Image blended(width, height, back);
  BlendPicture(blended, *bitmap);
  recorder_.AddPicture({std::move(blended), 0, 0});
}

void SurfaceShapes::AddPixels(const Image& image, const PixelRect& rect, int32_t left,
                              int32_t top) {
  Picture picture{Image(rect.right - rect.left, rect.bottom - rect.top), left, top};
  for (int32_t y = rect.top; y < rect.bottom; ++y)
    std::copy_n(PixelsAt(image, rect.left, y), picture.image.width,
                &picture.image.at(0, y - rect.top));
  recorder_.AddPicture(std::move(picture));
}

// ---- What the GDI drew ----------------------------------------------------------------------

void SurfaceShapes::Gradient(std::span<const host::TriVertex> vertices,
                             std::span<const host::GradientMeshRect> mesh, uint32_t mode) {
  Sync();
  const bool horizontal = mode == host::kGradientFillRectH;
  const auto color = [](const host::TriVertex& v) {
    return MakePixel(uint8_t(v.red >> 8), uint8_t(v.green >> 8), uint8_t(v.blue >> 8));
  };
  for (const host::GradientMeshRect& rect : mesh) {
    const GdiTable::GradientRect g =
        GdiTable::OrderedGradient(vertices[rect.upperLeft], vertices[rect.lowerRight], horizontal);
    const PixelRect& a = g.area;
    if (Empty(a)) continue;
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

void SurfaceShapes::Copy(int32_t x, int32_t y, int32_t width, int32_t height, int32_t xSrc,
                         int32_t ySrc, const Image& source) {
  Sync();
  const int32_t w = surface_.InnerWidth(), h = surface_.InnerHeight();
  const PixelRect block = GdiTable::CopiedBlock(x, y, width, height, xSrc, ySrc, w, h, source);
  if (Empty(block)) return;
  // The block's pixels in the source: inside it, as CopiedBlock clips to both images.
  const auto inSource = [](int32_t at, int32_t to, int32_t from) {
    return int32_t(int64_t{at} - to + from);
  };
  const PixelRect from{inSource(block.left, x, xSrc), inSource(block.top, y, ySrc),
                       inSource(block.right, x, xSrc), inSource(block.bottom, y, ySrc)};
  // A copy replaces the pixels under it, see-through ones too (the PNG keeps their
  // alpha): one over the whole area that lets anything through starts the shapes anew,
  // so that what was drawn before does not show where the copy is see-through. Wholly
  // see-through, it then paints nothing (a see-through container behind the control).
  if (block == PixelRect{0, 0, w, h}) {
    bool opaque = true, empty = true;
    for (int32_t row = from.top; row < from.bottom; ++row)
      for (const Pixel* p = PixelsAt(source, from.left, row);
           p != PixelsAt(source, from.left, row) + w; ++p) {
        opaque = opaque && (*p >> 24) == 0xFF;
        empty = empty && (*p >> 24) == 0;
      }
    if (!opaque) recorder_.Clear(0);
    if (empty) return;
  }
  AddPixels(source, from, block.left, block.top);
}

// ---- The whole control ----------------------------------------------------------------------

Drawing SurfaceShapes::Shapes() {
  Sync();
  Drawing drawing{surface_.ExtentPixelsX(), surface_.ExtentPixelsY(), {}, {}};
  const PixelRect extent{0, 0, drawing.width, drawing.height};
  const int32_t t = surface_.BorderThickness();
  const int32_t w = surface_.InnerWidth(), h = surface_.InnerHeight();
  // Compose's background shows only where the border and the inner area leave room.
  if (w + 2 * t < drawing.width || h + 2 * t < drawing.height)
    drawing.shapes.push_back(
        {RectanglePolygon(extent, OpaquePixel(surface_.Resolve(surface_.BackColor()))), {}});
  for (const BorderSide& side : surface_.BorderSides()) {
    const PixelRect r{std::max(side.rect.left, 0), std::max(side.rect.top, 0),
                      std::min(side.rect.right, drawing.width),
                      std::min(side.rect.bottom, drawing.height)};
    if (!Empty(r)) drawing.shapes.push_back({RectanglePolygon(r, side.pixel), {}});
  }
  Drawing content{w, h, recorder_.Shapes(), {}};
  for (Shape& shape : content.shapes) shape.clip = PixelRect{0, 0, w, h};
  AppendMoved(drawing, content, t, t);
  return drawing;
}

}  // namespace led::platform
