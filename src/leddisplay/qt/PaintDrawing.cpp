#include "leddisplay/qt/PaintDrawing.h"

#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainterPath>
#include <cmath>
#include <optional>

#include "leddisplay/platform/vector/DrawingWalk.h"

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

namespace {

// The walk's parts as QPainter calls; a clip is a saved state, restored at its end.
class QtSink : public platform::DrawingSink {
 public:
  explicit QtSink(QPainter& painter) : painter_(painter) {}

  void Clip(const std::optional<platform::PixelRect>& clip) override {
    if (clipped_) painter_.restore();
    clipped_ = clip.has_value();
    if (!clip) return;
    painter_.save();
    painter_.setClipRect(RectOf(*clip), Qt::IntersectClip);
  }
  void Fill(const platform::Polygon& polygon) override { Paint(painter_, polygon); }
  void Shade(const platform::Gradient& gradient) override { Paint(painter_, gradient); }
  void Place(const platform::Picture& picture) override { Paint(painter_, picture); }
  void Write(const platform::TextRun&) override {}

 private:
  QPainter& painter_;
  bool clipped_ = false;
};

}  // namespace

void PaintDrawing(QPainter& painter, const platform::Drawing& drawing) {
  painter.save();
  painter.setPen(Qt::NoPen);
  QtSink sink(painter);
  platform::WalkDrawing(drawing, sink);
  painter.restore();
}

}  // namespace led::qt
