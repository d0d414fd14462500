// Internal: not installed.
#pragma once
// Whether two shapes cover some area in common, more than a shared edge or corner: the
// test that lets JoinPolygons move a polygon before shapes it does not overlap. Exact for
// convex outlines (every piece the recorder makes, rectangles, gradients' and pictures'
// areas); an outline that is not convex counts as its bounding box, and a text run as
// overlapping anything, so that an answer of "no" is always right.
#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

bool Overlap(const Shape& shape, const Polygon& polygon);

}  // namespace led::platform
