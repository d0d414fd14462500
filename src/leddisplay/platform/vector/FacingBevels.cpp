#include "leddisplay/platform/vector/FacingBevels.h"

#include "leddisplay/platform/vector/ShapeOverlap.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <variant>

namespace led::platform {

namespace {

constexpr size_t kWindow = 16;   // pieces compared after each, in painting order
constexpr double kLimit = 0.49;  // the most a side moves along its piece's runs

double Cross(Point a, Point b) {
  return a.x * b.y - a.y * b.x;
}
double Dot(Point a, Point b) {
  return a.x * b.x + a.y * b.y;
}
Point Minus(Point a, Point b) {
  return {a.x - b.x, a.y - b.y};
}

bool Near(const Box& a, const Box& b) {
  return a.left <= b.right + 1 && b.left <= a.right + 1 && a.top <= b.bottom + 1 &&
         b.top <= a.bottom + 1;
}

// Where the line through `a` and `b` meets the line through `p` along `d`; `p` when the
// two are parallel.
Point Meet(Point a, Point b, Point p, Point d) {
  const Point e = Minus(b, a);
  const double den = Cross(e, d);
  if (std::abs(den) < 1e-12 * (std::abs(e.x) + std::abs(e.y)) * (std::abs(d.x) + std::abs(d.y)))
    return p;
  const double t = Cross(Minus(p, a), d) / den;
  return {a.x + t * e.x, a.y + t * e.y};
}

// Moves side k (corners k and k + 1) of `outline` by `shift`, its neighbours kept on
// their lines.
void MoveSide(std::vector<Point>& outline, size_t k, Point shift) {
  const size_t n = outline.size();
  const size_t a = k, b = (k + 1) % n;
  const Point d = Minus(outline[b], outline[a]);
  const Point pa{outline[a].x + shift.x, outline[a].y + shift.y};
  const Point before = outline[(a + n - 1) % n], after = outline[(b + 1) % n];
  const Point na = Meet(before, outline[a], pa, d);
  const Point nb = Meet(outline[b], after, pa, d);
  outline[a] = na;
  outline[b] = nb;
}

// How far a side with unit inward normal `normal` may move, across it, for its piece's
// runs to move less than kLimit along them.
double Reach(Point normal, bool rows) {
  return kLimit * std::abs(rows ? normal.x : normal.y);
}

}  // namespace

void MeetFacingBevels(std::vector<Shape>& shapes, std::span<const std::pair<size_t, bool>> pieces) {
  const auto outlineOf = [&](const std::pair<size_t, bool>& piece) -> std::vector<Point>* {
    auto* polygon = std::get_if<Polygon>(&shapes[piece.first].kind);
    return polygon != nullptr && polygon->outlines.size() == 1 && polygon->outlines[0].size() >= 3
               ? &polygon->outlines[0]
               : nullptr;
  };
  std::set<std::pair<size_t, size_t>> moved;  // (piece, side) already moved
  for (size_t i = 0; i < pieces.size(); ++i) {
    for (size_t j = i + 1; j < pieces.size() && j <= i + kWindow; ++j) {
      std::vector<Point>* p = outlineOf(pieces[i]);
      std::vector<Point>* q = outlineOf(pieces[j]);
      if (p == nullptr || q == nullptr || !Near(BoxOf(*p), BoxOf(*q))) continue;
      for (size_t s = 0; s < p->size(); ++s) {
        const Point p1 = (*p)[s], p2 = (*p)[(s + 1) % p->size()];
        const Point d1 = Minus(p2, p1);
        const double len1 = std::hypot(d1.x, d1.y);
        if (len1 == 0 || std::abs(d1.x) < 1e-9 * len1 || std::abs(d1.y) < 1e-9 * len1) continue;
        const Point unit{d1.x / len1, d1.y / len1};
        const Point inward{-unit.y, unit.x};  // clockwise on the page: inside on the right
        for (size_t t = 0; t < q->size(); ++t) {
          const Point q1 = (*q)[t], q2 = (*q)[(t + 1) % q->size()];
          const Point d2 = Minus(q2, q1);
          const double len2 = std::hypot(d2.x, d2.y);
          if (len2 == 0) continue;
          // Parallel and running the other way: the two outlines face each other there.
          // Slanted sides come from single-precision line ends: parallel within 1e-4.
          if (std::abs(Cross(unit, d2)) > 1e-4 * len2 || Dot(unit, d2) >= 0) continue;
          const double gap = -Dot(Minus(q1, p1), inward);  // across, outward from p
          if (!(gap > 0 && gap < 1)) continue;
          // Side by side for some length, not just end to end.
          const double a0 = 0, a1 = len1;
          const double b0 = Dot(Minus(q2, p1), unit), b1 = Dot(Minus(q1, p1), unit);
          if (std::min(a1, b1) - std::max(a0, b0) <= 1e-9) continue;
          const double move =
              std::min({gap / 2, Reach(inward, pieces[i].second), Reach(inward, pieces[j].second)});
          if (gap - 2 * move > 0.05 || moved.contains({i, s}) || moved.contains({j, t})) continue;
          MoveSide(*p, s, {-inward.x * move, -inward.y * move});
          MoveSide(*q, t, {inward.x * move, inward.y * move});
          moved.insert({i, s});
          moved.insert({j, t});
          break;
        }
      }
    }
  }
}

}  // namespace led::platform
