// Internal: not installed.
#pragma once
// Whether two shapes cover some area in common, more than a shared edge or corner: the
// test that lets JoinPolygons move a polygon before shapes it does not overlap. Exact for
// convex outlines (every piece the recorder makes, rectangles, gradients' and pictures'
// areas); an outline that is not convex counts as its bounding box, and a text run as
// overlapping anything, so that an answer of "no" is always right.
#include <limits>
#include <span>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

bool Overlap(const Shape& shape, const Polygon& polygon);

// The bounding box of points; of none, an empty box (left above right).
struct Box {
  double left = std::numeric_limits<double>::infinity();
  double top = std::numeric_limits<double>::infinity();
  double right = -std::numeric_limits<double>::infinity();
  double bottom = -std::numeric_limits<double>::infinity();
};
Box BoxOf(std::span<const Point> outline);

}  // namespace led::platform
