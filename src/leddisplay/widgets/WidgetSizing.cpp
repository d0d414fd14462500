// LEDDisplayWidget's fitToSize property: the shared fit (qt/ControlHost.h) at the
// widget's device pixel ratio.
#include "leddisplay/widgets/WidgetHosting.h"

namespace led::qt {

bool LEDDisplayWidget::fitToSize() const {
  return d_->fitToSize;
}

void LEDDisplayWidget::setFitToSize(bool on) {
  if (on == d_->fitToSize) return;
  d_->fitToSize = on;
  d_->Fit();
  emit fitToSizeChanged(on);
}

}  // namespace led::qt
