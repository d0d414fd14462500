#include "vector/PixelCentres.h"

#include <cmath>
#include <type_traits>

namespace led::test {

namespace {

using platform::Point;

// The winding number of `polygon` around p.
int Winding(const std::vector<Point>& polygon, Point p) {
  int winding = 0;
  for (size_t i = 0; i < polygon.size(); ++i) {
    const Point a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    const double cross = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
    if (a.y <= p.y && b.y > p.y && cross > 0) ++winding;
    if (a.y > p.y && b.y <= p.y && cross < 0) --winding;
  }
  return winding;
}

bool InClip(const platform::Shape& shape, int32_t x, int32_t y) {
  if (!shape.clip) return true;
  const platform::PixelRect& c = *shape.clip;
  return x >= c.left && x < c.right && y >= c.top && y < c.bottom;
}

}  // namespace

platform::Image SampleAtCentres(const platform::Drawing& drawing, platform::Pixel background) {
  platform::Image image(drawing.width, drawing.height, background);
  for (const platform::Shape& shape : drawing.shapes) {
    if (const auto* polygon = std::get_if<platform::Polygon>(&shape.kind)) {
      for (int32_t y = 0; y < image.height; ++y)
        for (int32_t x = 0; x < image.width; ++x)
          if (InClip(shape, x, y)) {
            int winding = 0;  // the outlines are one path, filled by the non-zero rule
            for (const auto& outline : polygon->outlines)
              winding += Winding(outline, {x + 0.5, y + 0.5});
            if (winding != 0) image.at(x, y) = polygon->color;
          }
    } else if (const auto* picture = std::get_if<platform::Picture>(&shape.kind)) {
      for (int32_t y = 0; y < picture->image.height; ++y)
        for (int32_t x = 0; x < picture->image.width; ++x)
          if (image.Contains(picture->left + x, picture->top + y) &&
              InClip(shape, picture->left + x, picture->top + y))
            image.at(picture->left + x, picture->top + y) = picture->image.at(x, y);
    }
  }
  return image;
}

}  // namespace led::test
