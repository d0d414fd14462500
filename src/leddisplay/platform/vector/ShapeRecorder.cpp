// ShapeRecorder: the area, the merging of rectangles into pieces, a piece's polygon.
#include "leddisplay/platform/vector/ShapeRecorder.h"

#include <algorithm>

#include "leddisplay/platform/vector/FacingBevels.h"
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

// Whether [a0, a1) and [b0, b1) overlap: share a pixel, for whole pixels.
bool Overlap(double a0, double a1, double b0, double b1) {
  return a0 < b1 && b0 < a1;
}

ShapeRecorder::Box BoxOf(const PixelRect& r) {
  return {double(r.left), double(r.top), double(r.right), double(r.bottom)};
}

// `box` clipped to the area `r`.
ShapeRecorder::Box Clipped(ShapeRecorder::Box box, const PixelRect& r) {
  return {std::max(box.left, double(r.left)), std::max(box.top, double(r.top)),
          std::min(box.right, double(r.right)), std::min(box.bottom, double(r.bottom))};
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
  pieces_.clear();
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
  std::vector<std::pair<size_t, bool>> pieces = pieces_;
  if (!piece_.empty) {
    if (piece_.axis != Axis::kUndecided)
      pieces.push_back({shapes.size(), piece_.axis == Axis::kRows});
    shapes.push_back({PolygonOf(piece_), std::nullopt});
  }
  MeetFacingBevels(shapes, pieces);
  JoinPolygons(shapes);
  return shapes;
}

// ---- Merging ----------------------------------------------------------------------------

void ShapeRecorder::AddRect(const PixelRect& rect, Pixel color) {
  AddRect(rect, color, BoxOf(rect));
}

void ShapeRecorder::AddRect(const PixelRect& rect, Pixel color, const Box& exact) {
  const PixelRect area{0, 0, width_, height_};
  const PixelRect r = Intersection(rect, area);
  if (Empty(r)) return;
  const Box box = Clipped(exact, area);
  if (Join(r, box, color)) return;
  Flush();
  piece_.empty = false;
  piece_.axis = Axis::kUndecided;
  piece_.color = color;
  piece_.alone = r;
  piece_.aloneBox = box;
}

// Adds r to the piece when it continues it (see the header); false otherwise. Runs
// overlap by their outlines (the boxes), so that the piece's outline stays one polygon.
bool ShapeRecorder::Join(const PixelRect& r, const Box& box, Pixel color) {
  Piece& p = piece_;
  if (p.empty || p.color != color) return false;
  if (p.axis == Axis::kUndecided) {
    const PixelRect& a = p.alone;
    const Box& b = p.aloneBox;
    const bool rows =
        (r.top == a.bottom || r.bottom == a.top) && Overlap(box.left, box.right, b.left, b.right);
    const bool columns = !rows && (r.left == a.right || r.right == a.left) &&
                         Overlap(box.top, box.bottom, b.top, b.bottom);
    if (!rows && !columns) return false;
    p.axis = rows ? Axis::kRows : Axis::kColumns;
    p.begins.clear();
    p.ends.clear();
    p.beginEdges.clear();
    p.endEdges.clear();
    p.first = rows ? a.top : a.left;
    AddRuns(a, b, false);
  }
  const bool rows = p.axis == Axis::kRows;
  const int32_t along0 = rows ? r.top : r.left, along1 = rows ? r.bottom : r.right;
  const double across0 = rows ? box.left : box.top, across1 = rows ? box.right : box.bottom;
  const int32_t last = p.first + int32_t(p.begins.size());
  if (along0 == last && Overlap(across0, across1, p.begins.back(), p.ends.back())) {
    AddRuns(r, box, false);
    return true;
  }
  if (along1 == p.first && Overlap(across0, across1, p.begins.front(), p.ends.front())) {
    AddRuns(r, box, true);
    return true;
  }
  return false;
}

// Adds the runs of r along the piece's axis, after the last run or before the first.
void ShapeRecorder::AddRuns(const PixelRect& r, const Box& box, bool front) {
  Piece& p = piece_;
  const bool rows = p.axis == Axis::kRows;
  const int32_t count = rows ? r.bottom - r.top : r.right - r.left;
  const double begin = rows ? box.left : box.top, end = rows ? box.right : box.bottom;
  const int32_t beginEdge = rows ? r.left : r.top, endEdge = rows ? r.right : r.bottom;
  const auto insert = [&](auto& runs, auto value) {
    runs.insert(front ? runs.begin() : runs.end(), size_t(count), value);
  };
  insert(p.begins, begin);
  insert(p.ends, end);
  insert(p.beginEdges, beginEdge);
  insert(p.endEdges, endEdge);
  if (front) p.first -= count;
}

void ShapeRecorder::Flush() {
  if (piece_.empty) return;
  if (piece_.axis != Axis::kUndecided)
    pieces_.push_back({shapes_.size(), piece_.axis == Axis::kRows});
  shapes_.push_back({PolygonOf(piece_), std::nullopt});
  piece_.empty = true;
}

// ---- A piece's outline ------------------------------------------------------------------

Polygon ShapeRecorder::PolygonOf(const Piece& p) {
  if (p.axis == Axis::kUndecided) {
    const Box& b = p.aloneBox;
    return {{{{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}}},
            p.color};
  }
  const bool rows = p.axis == Axis::kRows;
  std::vector<Point> low = StraightEdge(p.begins, p.beginEdges),
                     high = StraightEdge(p.ends, p.endEdges);
  const double least = *std::min_element(p.begins.begin(), p.begins.end());
  const double most = *std::max_element(p.ends.begin(), p.ends.end());
  KeepWithin(low, least, most);
  KeepWithin(high, least, most);
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
