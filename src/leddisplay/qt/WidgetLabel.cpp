#include "leddisplay/qt/WidgetLabel.h"

#include <QFontMetricsF>
#include <cmath>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/StdFont.h"
#include "leddisplay/qt/Colors.h"
#include "leddisplay/qt/Fonts.h"

namespace led::qt {

WidgetLabel::WidgetLabel(QWidget& widget, host::Surface& surface, std::string caption)
    : widget_(widget),
      surface_(surface),
      caption_(std::move(caption)),
      font_(platform::StdFont::Create("DejaVu Sans", 8)) {}

void WidgetLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  widget_.update();
}

void WidgetLabel::SetForeColor(core::OleColor color) {
  foreColor_ = color;
  widget_.update();
}

void WidgetLabel::SetAlignment(int16_t alignment) {
  if (alignment < 0 || alignment > 2) throw core::RuntimeError(core::kInvalidPropertyValue);
  alignment_ = alignment;
  widget_.update();
}

void WidgetLabel::SetFont(host::FontPtr font) {
  if (!font) throw core::RuntimeError(core::kObjectNotSet);
  font_ = std::move(font);
  widget_.update();
}

QSize WidgetLabel::PixelSize() {
  const QFontMetricsF metrics(ToQFont(*font_), &widget_);
  const QString text = QString::fromStdString(caption_);
  return QSize(int(std::ceil(metrics.horizontalAdvance(text))),
               int(std::ceil(metrics.lineSpacing())));
}

float WidgetLabel::Width() {
  return surface_.ScaleX(float(PixelSize().width()), host::kScalePixels, surface_.ScaleMode());
}

float WidgetLabel::Height() {
  return surface_.ScaleY(float(PixelSize().height()), host::kScalePixels, surface_.ScaleMode());
}

float WidgetLabel::Left() {
  return surface_.ScaleX(leftPx_, host::kScalePixels, surface_.ScaleMode());
}

void WidgetLabel::SetLeft(float left) {
  const float px = surface_.ScaleX(left, surface_.ScaleMode(), host::kScalePixels);
  if (!std::isfinite(px)) throw core::RuntimeError(core::kInvalidPropertyValue);
  leftPx_ = px;
  widget_.update();
}

float WidgetLabel::Top() {
  return surface_.ScaleY(topPx_, host::kScalePixels, surface_.ScaleMode());
}

void WidgetLabel::SetTop(float top) {
  const float px = surface_.ScaleY(top, surface_.ScaleMode(), host::kScalePixels);
  if (!std::isfinite(px)) throw core::RuntimeError(core::kInvalidPropertyValue);
  topPx_ = px;
  widget_.update();
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
