// Internal: not installed.
#pragma once
// One side of a stack of pixel runs as straight edges. The side's pixel edge of run i
// (its left end, say) is values[i], at the run's centre line, position i + 0.5. The
// boundary returned runs from position 0 to position n through those points, with as
// few corners as it can, by this rule: from a corner, the next corner is the farthest
// run whose straight line from the corner passes every run between within less than
// half a pixel of its value. The first and last lines are carried on by half a run to
// the ends (0 and n). So the boundary crosses every run's centre line within half a
// pixel of the run's end: sampled at pixel centres it gives back exactly the runs, and
// a staircase of runs (a bevel, a slope) becomes one straight edge.
#include <cstdint>
#include <span>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

// The corners from position 0 to n, as points (x: position, y: value); `values` not
// empty.
std::vector<Point> StraightEdge(std::span<const int32_t> values);

}  // namespace led::platform
