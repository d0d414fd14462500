// LEDDisplayWidget's sizing: the shared fit (ControlHost.h) at the widget's device pixel
// ratio, and the fitToSize property.
#include "leddisplay/qt/WidgetHosting.h"

namespace led::qt {

void LEDDisplayWidget::Hosting::FitSurface() {
  ControlHost::FitSurface(widget.devicePixelRatioF());
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
