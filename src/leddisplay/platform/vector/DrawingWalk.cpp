#include "leddisplay/platform/vector/DrawingWalk.h"

namespace led::platform {

void WalkDrawing(const Drawing& drawing, DrawingSink& sink) {
  std::optional<PixelRect> clip;
  const auto& shapes = drawing.shapes;
  for (size_t i = 0; i < shapes.size(); ++i) {
    const Shape& shape = shapes[i];
    if (clip != shape.clip) {
      clip = shape.clip;
      sink.Clip(clip);
    }
    if (const auto* polygon = std::get_if<Polygon>(&shape.kind)) {
      // The polygons after it of its colour and clip join it.
      const auto joins = [&](size_t j) {
        if (j >= shapes.size() || shapes[j].clip != shape.clip) return false;
        const auto* next = std::get_if<Polygon>(&shapes[j].kind);
        return next != nullptr && next->color == polygon->color;
      };
      if (!joins(i + 1)) {
        sink.Fill(*polygon);
        continue;
      }
      Polygon joined = *polygon;
      for (; joins(i + 1); ++i)
        for (const auto& outline : std::get<Polygon>(shapes[i + 1].kind).outlines)
          joined.outlines.push_back(outline);
      sink.Fill(joined);
    } else if (const auto* gradient = std::get_if<Gradient>(&shape.kind)) {
      sink.Shade(*gradient);
    } else if (const auto* picture = std::get_if<Picture>(&shape.kind)) {
      sink.Place(*picture);
    } else if (const auto* run = std::get_if<TextRun>(&shape.kind)) {
      sink.Write(*run);
    }
  }
  if (clip) sink.Clip(std::nullopt);
}

}  // namespace led::platform
