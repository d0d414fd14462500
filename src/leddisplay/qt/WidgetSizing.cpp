// LEDDisplayWidget's sizing in the screen's pixels: the device pixel ratio, the fit of
// the display box into the widget, and the fitToSize property.
#include <QtMath>

#include "leddisplay/qt/WidgetHosting.h"

namespace led::qt {

namespace {

constexpr double kTwipsPerWidgetPixel = 15;

}  // namespace

void LEDDisplayWidget::Hosting::ApplyRatio(double deviceRatio) {
  const float twips = float(kTwipsPerWidgetPixel / deviceRatio);
  surface.SetTwipsPerPixel(twips, twips);
  ratio = deviceRatio;
  lowerCaption.SetDeviceRatio(ratio);
  upperCaption.SetDeviceRatio(ratio);
  container.SetBox(ratio, origin);
  control.SetZoom(ratio);
}

bool LEDDisplayWidget::Hosting::Fitting() {
  return fitToSize && !core::IsTrue(control.AutoSize());
}

// With autoSize on the control sizes the surface (the widget follows in SyncGeometry);
// otherwise the widget's size gives the surface's, or while fitting the box within it.
// A zoom or ratio that changed with the extent unchanged still lays the display out anew.
void LEDDisplayWidget::Hosting::FitSurface() {
  const double keptRatio = ratio, keptZoom = control.Zoom();
  if (const double now = widget.devicePixelRatioF(); now != ratio) ApplyRatio(now);
  const QSize keptExtent(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  const QPoint keptOrigin = origin;
  origin = QPoint();
  container.SetBox(ratio, origin);
  control.SetZoom(ratio);
  if (!core::IsTrue(control.AutoSize())) {
    const QSize area = DeviceSize(widget.size());
    QSize box = area;
    if (fitToSize) {
      const core::TwipsExtent available{float(area.width()) * surface.TwipsPerPixelX(),
                                        float(area.height()) * surface.TwipsPerPixelY()};
      if (const std::optional<double> fit = control.FitZoom(available)) {
        control.SetZoom(*fit);
        if (const std::optional<core::TwipsExtent> extent = control.AutoSizeExtent())
          box = QSize(surface.PixelsFromTwipsX(extent->width),
                      surface.PixelsFromTwipsY(extent->height))
                    .boundedTo(area);
      }
    }
    origin = QPoint((area.width() - box.width()) / 2, (area.height() - box.height()) / 2);
    container.SetBox(ratio, origin);
    surface.SetExtentPixels(box.width(), box.height());
  }
  const bool sized = keptExtent != QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  if (!sized && (ratio != keptRatio || control.Zoom() != keptZoom || origin != keptOrigin))
    control.Resize();
  widget.update();
}

QSize LEDDisplayWidget::Hosting::DeviceSize(QSize widgetSize) const {
  return QSize(qRound(widgetSize.width() * ratio), qRound(widgetSize.height() * ratio));
}

QSize LEDDisplayWidget::Hosting::WidgetSize(QSize deviceSize) const {
  return QSize(qRound(deviceSize.width() / ratio), qRound(deviceSize.height() / ratio));
}

QRect LEDDisplayWidget::Hosting::WidgetRect(QRect deviceRect) const {
  if (deviceRect.isEmpty()) return {};
  const QRectF device(deviceRect.translated(origin));
  return QRectF(device.topLeft() / ratio, device.size() / ratio).toAlignedRect();
}

bool LEDDisplayWidget::fitToSize() const {
  return d_->fitToSize;
}

void LEDDisplayWidget::setFitToSize(bool on) {
  if (on == d_->fitToSize) return;
  d_->fitToSize = on;
  d_->Guard([&] { d_->FitSurface(); });
  emit fitToSizeChanged(on);
}

}  // namespace led::qt
