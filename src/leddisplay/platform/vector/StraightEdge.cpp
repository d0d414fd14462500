#include "leddisplay/platform/vector/StraightEdge.h"

namespace led::platform {

namespace {

// A slope num / den with den > 0. Compared by cross products in extended precision:
// exact for whole pixels (products below 2^64) and for the few fraction bits a line's
// single-precision ends carry.
struct Slope {
  long double num;
  long double den;
};

bool Less(const Slope& a, const Slope& b) {
  return a.num * b.den < b.num * a.den;
}

// The farthest run after `from` that a straight line from run `from` reaches with every
// run between within less than half a pixel of its pixel edge.
size_t NextCorner(std::span<const double> v, std::span<const int32_t> e, size_t from) {
  // The slopes that pass every run so far lie strictly between low and high.
  bool bounded = false;
  Slope low{0, 1}, high{0, 1};
  size_t corner = from + 1;
  for (size_t to = from + 1; to < v.size(); ++to) {
    const long double rise = static_cast<long double>(v[to]) - v[from],
                      run = (long double)(to - from);
    const Slope slope{rise, run};
    if (!bounded || (Less(low, slope) && Less(slope, high))) corner = to;
    // Run `to` itself, passed within half a pixel of its edge: (edge - from -+ 1/2) / run.
    const long double toEdge = static_cast<long double>(e[to]) - v[from];
    const Slope below{2 * toEdge - 1, 2 * run}, above{2 * toEdge + 1, 2 * run};
    if (!bounded || Less(low, below)) low = below;
    if (!bounded || Less(above, high)) high = above;
    bounded = true;
    if (!Less(low, high)) break;
  }
  return corner;
}

double SlopeBetween(std::span<const double> v, size_t a, size_t b) {
  return b == a ? 0.0 : (v[b] - v[a]) / double(b - a);
}

}  // namespace

std::vector<Point> StraightEdge(std::span<const double> values, std::span<const int32_t> edges) {
  std::vector<size_t> corners{0};
  while (corners.back() + 1 < values.size())
    corners.push_back(NextCorner(values, edges, corners.back()));
  const size_t n = values.size(), m = corners.size();
  const double firstSlope = m > 1 ? SlopeBetween(values, corners[0], corners[1]) : 0.0;
  const double lastSlope = m > 1 ? SlopeBetween(values, corners[m - 2], corners[m - 1]) : 0.0;
  std::vector<Point> points;
  points.push_back({0.0, values[0] - firstSlope * 0.5});
  for (size_t i = 1; i + 1 < m; ++i)
    points.push_back({double(corners[i]) + 0.5, values[corners[i]]});
  points.push_back({double(n), values[n - 1] + lastSlope * 0.5});
  return points;
}

}  // namespace led::platform
