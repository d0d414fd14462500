#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

namespace {

PixelRect Moved(const PixelRect& r, int32_t dx, int32_t dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void Move(Polygon& p, int32_t dx, int32_t dy) {
  for (Point& point : p.points) {
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
  return {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}, color};
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

}  // namespace led::platform
