#include "leddisplay/platform/vector/ShapeOverlap.h"

#include <algorithm>
#include <limits>
#include <span>

namespace led::platform {

namespace {

// Lengths below this are rounding, not area.
constexpr double kEpsilon = 1e-9;

bool BoxesOverlap(const Box& a, const Box& b) {
  return std::min(a.right, b.right) - std::max(a.left, b.left) > kEpsilon &&
         std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > kEpsilon;
}

double Cross(const Point& o, const Point& a, const Point& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Convex: every turn goes the same way (straight runs of corners allowed).
bool IsConvex(std::span<const Point> outline) {
  bool left = false, right = false;
  const size_t n = outline.size();
  for (size_t i = 0; i < n; ++i) {
    const double turn = Cross(outline[i], outline[(i + 1) % n], outline[(i + 2) % n]);
    left = left || turn > kEpsilon;
    right = right || turn < -kEpsilon;
  }
  return !(left && right);
}

// Whether an edge of `a` separates the two convex outlines: their projections on its
// normal meet in no more than a point.
bool SeparatedByAnEdgeOf(std::span<const Point> a, std::span<const Point> b) {
  const size_t n = a.size();
  for (size_t i = 0; i < n; ++i) {
    const Point& p = a[i];
    const Point& q = a[(i + 1) % n];
    const double nx = q.y - p.y, ny = p.x - q.x;
    const double length = std::abs(nx) + std::abs(ny);
    if (length < kEpsilon) continue;
    double minA = std::numeric_limits<double>::infinity(), maxA = -minA;
    double minB = minA, maxB = maxA;
    for (const Point& c : a) {
      const double d = (c.x * nx + c.y * ny) / length;
      minA = std::min(minA, d);
      maxA = std::max(maxA, d);
    }
    for (const Point& c : b) {
      const double d = (c.x * nx + c.y * ny) / length;
      minB = std::min(minB, d);
      maxB = std::max(maxB, d);
    }
    if (std::min(maxA, maxB) - std::max(minA, minB) <= kEpsilon) return true;
  }
  return false;
}

bool OutlinesOverlap(std::span<const Point> a, std::span<const Point> b) {
  if (a.size() < 3 || b.size() < 3 || !BoxesOverlap(BoxOf(a), BoxOf(b))) return false;
  if (!IsConvex(a) || !IsConvex(b)) return true;
  return !SeparatedByAnEdgeOf(a, b) && !SeparatedByAnEdgeOf(b, a);
}

bool Overlap(std::span<const Point> outline, const Polygon& polygon) {
  return std::ranges::any_of(polygon.outlines, [&](const std::vector<Point>& other) {
    return OutlinesOverlap(outline, other);
  });
}

// A rectangle's outline, as RectanglePolygon makes it.
std::vector<Point> Corners(const PixelRect& r) {
  return RectanglePolygon(r, 0).outlines.front();
}

}  // namespace

bool Overlap(const Shape& shape, const Polygon& polygon) {
  if (const auto* other = std::get_if<Polygon>(&shape.kind))
    return std::ranges::any_of(other->outlines, [&](const std::vector<Point>& outline) {
      return Overlap(outline, polygon);
    });
  if (const auto* gradient = std::get_if<Gradient>(&shape.kind)) {
    return Overlap(Corners(gradient->area), polygon);
  }
  if (const auto* picture = std::get_if<Picture>(&shape.kind))
    return Overlap(Corners({picture->left, picture->top, picture->left + picture->image.width,
                            picture->top + picture->image.height}),
                   polygon);
  return true;  // a text run
}

Box BoxOf(std::span<const Point> outline) {
  Box box;
  for (const Point& p : outline) {
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

}  // namespace led::platform
