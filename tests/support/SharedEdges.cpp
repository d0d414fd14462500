#include "support/SharedEdges.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace led::test {

namespace {

using platform::Point;

std::string Attribute(const std::string& element, const std::string& name) {
  const std::string key = " " + name + "=\"";
  const size_t at = element.find(key);
  if (at == std::string::npos) return "";
  const size_t begin = at + key.size();
  return element.substr(begin, element.find('"', begin) - begin);
}

struct Edge {
  Point a, b;
};

std::vector<Edge> EdgesOf(const SvgFill& fill) {
  std::vector<Edge> edges;
  for (const auto& path : fill.subpaths)
    for (size_t i = 0; i < path.size(); ++i)
      edges.push_back({path[i], path[(i + 1) % path.size()]});
  return edges;
}

// The length along which two segments lie on one line running opposite ways, or 0. The
// outlines all turn one way, so edges running opposite ways have their fills on either
// side: a seam; running the same way, the fills overlap there and leave no gap.
double Shared(const Edge& e, const Edge& f, double tolerance) {
  const double dx = e.b.x - e.a.x, dy = e.b.y - e.a.y;
  const double length = std::hypot(dx, dy);
  if (length <= tolerance) return 0;
  if (dx * (f.b.x - f.a.x) + dy * (f.b.y - f.a.y) >= 0) return 0;
  const auto distance = [&](const Point& p) {
    return std::abs((p.x - e.a.x) * dy - (p.y - e.a.y) * dx) / length;
  };
  if (distance(f.a) > tolerance || distance(f.b) > tolerance) return 0;
  const auto along = [&](const Point& p) {
    return ((p.x - e.a.x) * dx + (p.y - e.a.y) * dy) / length;
  };
  const double f0 = std::min(along(f.a), along(f.b)), f1 = std::max(along(f.a), along(f.b));
  return std::max(0.0, std::min(length, f1) - std::max(0.0, f0));
}

// The gap across which a slanted edge e faces an edge f that runs opposite and parallel,
// side by side with it (f outside e's fill, on the left of e's direction as the outlines
// turn): -1 when they do not face each other so.
double Facing(const Edge& e, const Edge& f) {
  const double dx = e.b.x - e.a.x, dy = e.b.y - e.a.y;
  const double fx = f.b.x - f.a.x, fy = f.b.y - f.a.y;
  const double length = std::hypot(dx, dy), flength = std::hypot(fx, fy);
  if (length < 1e-9 || flength < 1e-9 || std::abs(dx) < 1e-9 * length ||
      std::abs(dy) < 1e-9 * length)
    return -1;
  if (dx * fx + dy * fy >= 0 || std::abs(dx * fy - dy * fx) > 1e-4 * length * flength) return -1;
  // Outward from e's fill: the left of its direction on the page (y down).
  const double gap = ((f.a.x - e.a.x) * dy - (f.a.y - e.a.y) * dx) / length;
  const auto along = [&](const Point& p) {
    return ((p.x - e.a.x) * dx + (p.y - e.a.y) * dy) / length;
  };
  const double f0 = std::min(along(f.a), along(f.b)), f1 = std::max(along(f.a), along(f.b));
  return std::min(length, f1) - std::max(0.0, f0) > 1e-6 ? gap : -1;
}

}  // namespace

std::vector<SvgFill> FilledPaths(const std::string& svg, double scale) {
  std::vector<SvgFill> fills;
  for (size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) {
    const std::string element = svg.substr(at, svg.find('>', at) - at);
    const std::string style = Attribute(element, "style");
    const size_t fillAt = style.find("fill:");
    if (fillAt == std::string::npos) continue;
    SvgFill fill{style.substr(fillAt + 5, style.find(';', fillAt) - fillAt - 5), {}};
    std::istringstream data(Attribute(element, "d"));
    std::string word;
    std::vector<Point> path;
    const auto finish = [&] {
      if (path.size() >= 2) fill.subpaths.push_back(path);
      path.clear();
    };
    while (data >> word) {
      if (word == "M") finish();
      if (word == "M" || word == "L") {
        Point p;
        data >> p.x >> p.y;
        path.push_back({p.x * scale, p.y * scale});
      } else if (word == "Z") {
        finish();
      }
    }
    finish();
    fills.push_back(std::move(fill));
  }
  return fills;
}

std::vector<std::string> SharedEdges(const std::vector<SvgFill>& fills, double tolerance) {
  std::vector<std::string> found;
  for (size_t i = 0; i < fills.size(); ++i)
    for (size_t j = i + 1; j < fills.size(); ++j) {
      if (fills[i].color != fills[j].color) continue;
      for (const Edge& e : EdgesOf(fills[i]))
        for (const Edge& f : EdgesOf(fills[j]))
          if (Shared(e, f, tolerance) > tolerance) {
            std::ostringstream text;
            text << "fills " << i << " and " << j << " (" << fills[i].color << ") share (" << e.a.x
                 << "," << e.a.y << ")-(" << e.b.x << "," << e.b.y << ") with (" << f.a.x << ","
                 << f.a.y << ")-(" << f.b.x << "," << f.b.y << ")";
            found.push_back(text.str());
          }
    }
  return found;
}

std::vector<std::string> NarrowGaps(const std::vector<SvgFill>& fills, double low, double high) {
  std::vector<std::vector<Edge>> outlines;
  for (const SvgFill& fill : fills)
    for (const auto& path : fill.subpaths) outlines.push_back(EdgesOf({fill.color, {path}}));
  std::vector<std::string> found;
  for (size_t i = 0; i < outlines.size(); ++i)
    for (size_t j = 0; j < outlines.size(); ++j) {
      if (i == j) continue;
      for (const Edge& e : outlines[i])
        for (const Edge& f : outlines[j]) {
          const double gap = Facing(e, f);
          if (gap > low && gap < high) {
            std::ostringstream text;
            text << "(" << e.a.x << "," << e.a.y << ")-(" << e.b.x << "," << e.b.y << ") faces ("
                 << f.a.x << "," << f.a.y << ")-(" << f.b.x << "," << f.b.y << ") across " << gap;
            found.push_back(text.str());
          }
        }
    }
  return found;
}

}  // namespace led::test
