#include "leddisplay/qt/WidgetLabel.h"

#include <QFontMetricsF>
#include <cmath>

#include "leddisplay/qt/Colors.h"
#include "leddisplay/qt/Fonts.h"

namespace led::qt {

WidgetLabel::WidgetLabel(QWidget& widget, host::Surface& surface, std::string caption)
    : PlacedLabel(surface, std::move(caption)), widget_(widget) {}

QSize WidgetLabel::PixelSize() {
  const QFontMetricsF metrics(ToQFont(*font_), &widget_);
  const QString text = QString::fromStdString(caption_);
  return QSize(int(std::ceil(metrics.horizontalAdvance(text))),
               int(std::ceil(metrics.lineSpacing())));
}

QRect WidgetLabel::PixelRect(int originX, int originY) {
  // Places far outside any widget are left out rather than overflowing an int.
  constexpr float kFar = 1.0e8f;
  if (caption_.empty() || std::fabs(leftPx_) > kFar || std::fabs(topPx_) > kFar) return {};
  return QRect(
      QPoint(int(std::nearbyint(leftPx_)) + originX, int(std::nearbyint(topPx_)) + originY),
      PixelSize());
}

void WidgetLabel::Draw(QPainter& painter, int originX, int originY) {
  const QRect box = PixelRect(originX, originY);
  if (box.isEmpty()) return;
  static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  painter.setFont(ToQFont(*font_));
  painter.setPen(ToQColor(foreColor_));
  painter.drawText(box, int(kAlign[alignment_] | Qt::AlignTop | Qt::TextSingleLine),
                   QString::fromStdString(caption_));
}

}  // namespace led::qt
