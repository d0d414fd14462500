// ShapeRecorder: the area, the merging of rectangles into pieces, a piece's polygon.
#include "leddisplay/platform/vector/ShapeRecorder.h"

#include <algorithm>

#include "leddisplay/platform/vector/StraightEdge.h"

namespace led::platform {

namespace {

bool Empty(const PixelRect& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// Whether [a0, a1) and [b0, b1) share a pixel.
bool Overlap(int32_t a0, int32_t a1, int32_t b0, int32_t b1) {
  return a0 < b1 && b0 < a1;
}

}  // namespace

// ---- The area ---------------------------------------------------------------------------

void ShapeRecorder::Resize(int32_t width, int32_t height, Pixel fill) {
  if (width == width_ && height == height_) return;
  Flush();
  // The raster image keeps its top-left content: the new area is the right strip and
  // the strip below what is kept.
  const PixelRect strips[] = {{width_, 0, width, height},
                              {0, height_, std::min(width_, width), height}};
  for (const PixelRect& strip : strips)
    if (!Empty(strip)) shapes_.push_back({RectanglePolygon(strip, fill), std::nullopt});
  width_ = width;
  height_ = height;
}

void ShapeRecorder::Clear(Pixel fill) {
  shapes_.clear();
  piece_.empty = true;  // its runs' storage is kept for the next piece
  if (width_ > 0 && height_ > 0 && (fill >> 24) != 0)
    shapes_.push_back({RectanglePolygon({0, 0, width_, height_}, fill), std::nullopt});
}

void ShapeRecorder::AddGradient(const Gradient& gradient) {
  Flush();
  Gradient clipped = gradient;
  clipped.area = Intersection(gradient.area, {0, 0, width_, height_});
  if (!Empty(clipped.area)) shapes_.push_back({clipped, std::nullopt});
}

void ShapeRecorder::AddPicture(Picture picture) {
  Flush();
  if (picture.image.width > 0 && picture.image.height > 0)
    shapes_.push_back({std::move(picture), std::nullopt});
}

std::vector<Shape> ShapeRecorder::Shapes() const {
  std::vector<Shape> shapes = shapes_;
  if (!piece_.empty) shapes.push_back({PolygonOf(piece_), std::nullopt});
  JoinPolygons(shapes);
  return shapes;
}

// ---- Merging ----------------------------------------------------------------------------

void ShapeRecorder::AddRect(const PixelRect& rect, Pixel color) {
  const PixelRect r = Intersection(rect, {0, 0, width_, height_});
  if (Empty(r)) return;
  if (Join(r, color)) return;
  Flush();
  piece_.empty = false;
  piece_.axis = Axis::kUndecided;
  piece_.color = color;
  piece_.alone = r;
}

// Adds r to the piece when it continues it (see the header); false otherwise.
bool ShapeRecorder::Join(const PixelRect& r, Pixel color) {
  Piece& p = piece_;
  if (p.empty || p.color != color) return false;
  if (p.axis == Axis::kUndecided) {
    const PixelRect& a = p.alone;
    const bool rows =
        (r.top == a.bottom || r.bottom == a.top) && Overlap(r.left, r.right, a.left, a.right);
    const bool columns = !rows && (r.left == a.right || r.right == a.left) &&
                         Overlap(r.top, r.bottom, a.top, a.bottom);
    if (!rows && !columns) return false;
    p.axis = rows ? Axis::kRows : Axis::kColumns;
    p.begins.clear();
    p.ends.clear();
    p.first = rows ? a.top : a.left;
    AddRuns(a, false);
  }
  const bool rows = p.axis == Axis::kRows;
  const int32_t along0 = rows ? r.top : r.left, along1 = rows ? r.bottom : r.right;
  const int32_t across0 = rows ? r.left : r.top, across1 = rows ? r.right : r.bottom;
  const int32_t last = p.first + int32_t(p.begins.size());
  if (along0 == last && Overlap(across0, across1, p.begins.back(), p.ends.back())) {
    AddRuns(r, false);
    return true;
  }
  if (along1 == p.first && Overlap(across0, across1, p.begins.front(), p.ends.front())) {
    AddRuns(r, true);
    return true;
  }
  return false;
}

// Adds the runs of r along the piece's axis, after the last run or before the first.
void ShapeRecorder::AddRuns(const PixelRect& r, bool front) {
  Piece& p = piece_;
  const bool rows = p.axis == Axis::kRows;
  const int32_t count = rows ? r.bottom - r.top : r.right - r.left;
  const int32_t begin = rows ? r.left : r.top, end = rows ? r.right : r.bottom;
  if (front) {
    p.begins.insert(p.begins.begin(), size_t(count), begin);
    p.ends.insert(p.ends.begin(), size_t(count), end);
    p.first -= count;
  } else {
    p.begins.insert(p.begins.end(), size_t(count), begin);
    p.ends.insert(p.ends.end(), size_t(count), end);
  }
}

void ShapeRecorder::Flush() {
  if (piece_.empty) return;
  shapes_.push_back({PolygonOf(piece_), std::nullopt});
  piece_.empty = true;
}

// ---- A piece's outline ------------------------------------------------------------------

Polygon ShapeRecorder::PolygonOf(const Piece& p) {
  if (p.axis == Axis::kUndecided) return RectanglePolygon(p.alone, p.color);
  const bool rows = p.axis == Axis::kRows;
  const std::vector<Point> low = StraightEdge(p.begins), high = StraightEdge(p.ends);
  // Edge points are (position along the axis, value across it), from the piece's first run.
  const auto place = [&](const Point& e) {
    const double along = p.first + e.x;
    return rows ? Point{e.y, along} : Point{along, e.y};
  };
  Polygon polygon{{{}}, p.color};
  std::vector<Point>& outline = polygon.outlines[0];
  outline.reserve(low.size() + high.size());
  // Clockwise on the page (y down), as every polygon here is, so that overlapping
  // polygons filled as one path add up rather than cancel.
  const std::vector<Point>& forward = rows ? high : low;
  const std::vector<Point>& backward = rows ? low : high;
  for (const Point& e : forward) outline.push_back(place(e));
  for (auto e = backward.rbegin(); e != backward.rend(); ++e) outline.push_back(place(*e));
  return polygon;
}

}  // namespace led::platform
