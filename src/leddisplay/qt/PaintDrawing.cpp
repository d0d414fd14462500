#include "leddisplay/qt/PaintDrawing.h"

#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainterPath>
#include <cmath>
#include <optional>

namespace led::qt {

namespace {

QRectF RectOf(const platform::PixelRect& r) {
  return QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

QColor ColorOf(platform::Pixel pixel) {
  return QColor::fromRgba(pixel);
}

// The outlines as one path, so that those sharing an edge show no seam along it.
void Paint(QPainter& painter, const platform::Polygon& polygon) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (const std::vector<platform::Point>& outline : polygon.outlines) {
    if (outline.size() < 3) continue;
    path.moveTo(outline.front().x, outline.front().y);
    for (size_t i = 1; i < outline.size(); ++i) path.lineTo(outline[i].x, outline[i].y);
    path.closeSubpath();
  }
  if (!path.isEmpty()) painter.fillPath(path, ColorOf(polygon.color));
}

void Paint(QPainter& painter, const platform::Gradient& gradient) {
  QLinearGradient shade(QPointF(gradient.from.x, gradient.from.y),
                        QPointF(gradient.to.x, gradient.to.y));
  shade.setSpread(QGradient::PadSpread);
  shade.setColorAt(0, ColorOf(gradient.first));
  shade.setColorAt(1, ColorOf(gradient.last));
  painter.fillRect(RectOf(gradient.area), shade);
}

// A copy: a QPicture keeps the images it is given after the drawing is gone. Stored
// losslessly: a PDF would otherwise hold a picture as JPEG.
void Paint(QPainter& painter, const platform::Picture& picture) {
  const platform::Image& image = picture.image;
  if (image.width <= 0 || image.height <= 0) return;
  const QImage rows(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                    qsizetype(image.width) * 4, QImage::Format_ARGB32);
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(QPointF(picture.left, picture.top), rows.copy());
}

void Paint(QPainter&, const platform::TextRun&) {}

}  // namespace

bool PaintsShapes(const QPainter& painter, double ratio) {
  const QPaintEngine* engine = painter.paintEngine();
  if (!engine) return false;
  // The device pixels a unit of the painter spans (its scale, whatever it rotates).
  const double scale = std::sqrt(std::abs(painter.deviceTransform().determinant()));
  if (engine->type() == QPaintEngine::Raster) return scale > ratio * 1.01;
  switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::SVG:
    case QPaintEngine::Picture:
    case QPaintEngine::MacPrinter:
    case QPaintEngine::Windows:  // Windows' printer engine; its screens paint by raster
      return true;
    default:
      return false;
  }
}

// Shapes with one clip are painted under one saved state, so a whole control takes a
// few saves rather than one a shape.
void PaintDrawing(QPainter& painter, const platform::Drawing& drawing) {
  std::optional<platform::PixelRect> clip;
  painter.save();
  painter.setPen(Qt::NoPen);
  for (const platform::Shape& shape : drawing.shapes) {
    if (shape.clip != clip) {
      painter.restore();
      painter.save();
      painter.setPen(Qt::NoPen);
      if (shape.clip) painter.setClipRect(RectOf(*shape.clip), Qt::IntersectClip);
      clip = shape.clip;
    }
    std::visit([&](const auto& kind) { Paint(painter, kind); }, shape.kind);
  }
  painter.restore();
}

}  // namespace led::qt
