#include "leddisplay/qt/ViewLabel.h"

#include <QFontMetricsF>
#include <cmath>

#include "leddisplay/qt/Conversions.h"

namespace led::qt {

ViewLabel::ViewLabel(HostView& view, platform::RasterSurface& surface, std::string caption)
    : PlacedLabel(surface, std::move(caption)), view_(view), colors_(surface) {}

// The control asks for the height on every drawing pass; measuring builds a QFont and
// its metrics, which costs more than the rest of the pass, so the measure is kept.
QSize ViewLabel::PixelSize() {
  const host::Font& font = *font_;
  if (measured_ && platform::StdFont::SameAttributes(font, *measuredFont_)) return *measured_;
  const QFontMetricsF metrics(ToQFont(font), view_.FontDevice());
  const QString text = QString::fromStdString(caption_);
  measured_ = QSize(ScaledLength(int(std::ceil(metrics.horizontalAdvance(text) * ratio_))),
                    ScaledLength(int(std::ceil(metrics.lineSpacing() * ratio_))));
  measuredFont_ = platform::StdFont::CopyOf(font);
  return *measured_;
}

QFont ViewLabel::ScaledFont() const {
  QFont font = ToQFont(*font_);
  if (scale_ != 1) font.setPointSizeF(font.pointSizeF() * scale_);
  return font;
}

void ViewLabel::SetDeviceRatio(double ratio) {
  if (ratio == ratio_) return;
  ratio_ = ratio;
  measured_.reset();
}

void ViewLabel::Changed() {
  measured_.reset();
  view_.Repaint();
}

QRect ViewLabel::PixelRect(int originX, int originY) {
  // Places far outside any view are left out rather than overflowing an int.
  constexpr float kFar = 1.0e8f;
  if (caption_.empty() || std::fabs(leftPx_) > kFar || std::fabs(topPx_) > kFar) return {};
  return QRect(
      QPoint(int(std::nearbyint(leftPx_)) + originX, int(std::nearbyint(topPx_)) + originY),
      PixelSize());
}

void ViewLabel::Draw(QPainter& painter, int originX, int originY) {
  const QRect box = PixelRect(originX, originY);
  if (box.isEmpty()) return;
  static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  painter.setFont(ScaledFont());
  painter.setPen(view_.IsEnabled()
                     ? ToQColor(foreColor_, colors_)
                     : view_.Palette().color(QPalette::Disabled, QPalette::WindowText));
  const QRectF logical(QPointF(box.topLeft()) / ratio_, QSizeF(box.size()) / ratio_);
  painter.drawText(logical, int(kAlign[alignment_] | Qt::AlignTop | Qt::TextSingleLine),
                   QString::fromStdString(caption_));
}

}  // namespace led::qt
