#include "leddisplay/platform/vector/StraightEdge.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

// The edge of the runs from `start` on, none a step from the one before, appended to
// `points`: their corners, the first and last lines carried on by half a run.
void AppendStraight(std::span<const double> values, std::span<const int32_t> edges, size_t start,
                    std::vector<Point>& points) {
  std::vector<size_t> corners{0};
  while (corners.back() + 1 < values.size())
    corners.push_back(NextCorner(values, edges, corners.back()));
  const size_t n = values.size(), m = corners.size();
  const double firstSlope = m > 1 ? SlopeBetween(values, corners[0], corners[1]) : 0.0;
  const double lastSlope = m > 1 ? SlopeBetween(values, corners[m - 2], corners[m - 1]) : 0.0;
  const double at = double(start);
  points.push_back({at, values[0] - firstSlope * 0.5});
  for (size_t i = 1; i + 1 < m; ++i)
    points.push_back({at + double(corners[i]) + 0.5, values[corners[i]]});
  points.push_back({at + double(n), values[n - 1] + lastSlope * 0.5});
}

}  // namespace

std::vector<Point> StraightEdge(std::span<const double> values, std::span<const int32_t> edges) {
  // More than a bevel's pixel and a slant's lean apart: a step, not a slope.
  constexpr double kStep = 1.5;
  std::vector<Point> points;
  size_t start = 0;
  for (size_t i = 1; i <= values.size(); ++i) {
    if (i < values.size() && std::abs(values[i] - values[i - 1]) <= kStep) continue;
    AppendStraight(values.subspan(start, i - start), edges.subspan(start, i - start), start,
                   points);
    start = i;
  }
  return points;
}

void KeepWithin(std::vector<Point>& edge, double low, double high) {
  std::vector<Point> kept;
  kept.reserve(edge.size() + 2);
  for (size_t i = 0; i < edge.size(); ++i) {
    const Point& p = edge[i];
    if (i > 0) {
      // Where the line from the point before crosses a bound: a corner there, the nearer
      // bound first.
      const Point& q = edge[i - 1];
      double crossings[2];
      size_t count = 0;
      for (const double bound : {low, high})
        if ((q.y - bound) * (p.y - bound) < 0) crossings[count++] = (bound - q.y) / (p.y - q.y);
      if (count == 2 && crossings[1] < crossings[0]) std::swap(crossings[0], crossings[1]);
      for (size_t c = 0; c < count; ++c) {
        const double t = crossings[c];
        kept.push_back({q.x + t * (p.x - q.x), std::clamp(q.y + t * (p.y - q.y), low, high)});
      }
    }
    kept.push_back({p.x, std::clamp(p.y, low, high)});
  }
  edge = std::move(kept);
}

}  // namespace led::platform
