#include "leddisplay/platform/vector/Drawing.h"

#include <algorithm>

#include "leddisplay/platform/vector/ShapeOverlap.h"

namespace led::platform {

namespace {

PixelRect Moved(const PixelRect& r, int32_t dx, int32_t dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void Move(Polygon& p, int32_t dx, int32_t dy) {
  for (std::vector<Point>& outline : p.outlines)
    for (Point& point : outline) {
      point.x += dx;
      point.y += dy;
    }
}

void Move(Gradient& g, int32_t dx, int32_t dy) {
  g.area = Moved(g.area, dx, dy);
  g.from = {g.from.x + dx, g.from.y + dy};
  g.to = {g.to.x + dx, g.to.y + dy};
}

void Move(Picture& p, int32_t dx, int32_t dy) {
  p.left += dx;
  p.top += dy;
}

void Move(TextRun& t, int32_t dx, int32_t dy) {
  t.line.baseline += dy;
  for (PlacedGlyph& g : t.line.glyphs) g.x += dx;
}

}  // namespace

Polygon RectanglePolygon(const PixelRect& r, Pixel color) {
  const double left = r.left, top = r.top, right = r.right, bottom = r.bottom;
  return {{{{left, top}, {right, top}, {right, bottom}, {left, bottom}}}, color};
}

void AppendMoved(Drawing& to, const Drawing& from, int32_t dx, int32_t dy) {
  for (Shape shape : from.shapes) {
    std::visit([&](auto& kind) { Move(kind, dx, dy); }, shape.kind);
    if (shape.clip) shape.clip = Moved(*shape.clip, dx, dy);
    to.shapes.push_back(std::move(shape));
  }
}

void AppendText(Drawing& to, const TextPlacement& text, uint32_t rgb,
                std::optional<PixelRect> clip) {
  const Pixel color = OpaquePixel(rgb);
  for (const PlacedLine& line : text.lines) {
    if (line.glyphs.empty()) continue;
    to.shapes.push_back({TextRun{text.fontFile, text.faceIndex, text.family, text.pixelSize,
                                 text.emboldened, text.slanted, color, line},
                         clip});
  }
  for (const PixelRect& bar : text.bars) to.shapes.push_back({RectanglePolygon(bar, color), clip});
}

void JoinPolygons(std::vector<Shape>& shapes) {
  // How far back a polygon looks for its colour: a cell's few shapes and then some.
  constexpr size_t kLookBack = 32;
  std::vector<Shape> joined;
  joined.reserve(shapes.size());
  for (Shape& shape : shapes) {
    auto* polygon = std::get_if<Polygon>(&shape.kind);
    Polygon* into = nullptr;
    if (polygon != nullptr) {
      for (size_t back = 0; back < std::min(kLookBack, joined.size()); ++back) {
        Shape& before = joined[joined.size() - 1 - back];
        auto* other = std::get_if<Polygon>(&before.kind);
        if (other != nullptr && other->color == polygon->color && before.clip == shape.clip) {
          into = other;
          break;
        }
        if (Overlap(before, *polygon)) break;
      }
    }
    if (into == nullptr) {
      joined.push_back(std::move(shape));
      continue;
    }
    for (std::vector<Point>& outline : polygon->outlines)
      into->outlines.push_back(std::move(outline));
  }
  shapes = std::move(joined);
}

}  // namespace led::platform
