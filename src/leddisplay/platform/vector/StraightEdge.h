// Internal: not installed.
#pragma once
// One side of a stack of pixel runs as straight edges. The side's pixel edge of run i
// (its left end, say) is edges[i], and values[i] is where the run's outline meets its
// centre line, position i + 0.5: the pixel edge, or the exact end of a line that ends
// between pixel edges (less than half a pixel from it). The boundary returned runs from
// position 0 to position n through those points, with as few corners as it can, by
// this rule: from a corner, the next corner is the farthest run whose straight line from
// the corner passes every run between within less than half a pixel of its pixel edge.
// The first and last lines are carried on by half a run to the ends (0 and n). So the
// boundary crosses every run's centre line within half a pixel of the run's pixel edge:
// sampled at pixel centres it gives back exactly the runs, and a staircase of runs (a
// bevel, a slope, the rows of a slanted bar) becomes one straight edge. Where a run's
// value lies more than 1.5 pixels from the one before (the rows of two shapes that meet,
// as a bar stacked on a wider one), the edge steps there along the boundary between the
// two runs, each side carried on to it by half a run, rather than cutting across them.
#include <cstdint>
#include <span>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

// The corners from position 0 to n, as points (x: position, y: value); `values` not
// empty, `edges` as long.
std::vector<Point> StraightEdge(std::span<const double> values, std::span<const int32_t> edges);

// The edge cut to values from `low` to `high`: where it runs beyond a bound, it follows the
// bound instead. A piece's edges cut to the extent of its runs end where its pixels end:
// the first and last lines, carried on by half a run, would otherwise reach past them.
void KeepWithin(std::vector<Point>& edge, double low, double high);

}  // namespace led::platform
