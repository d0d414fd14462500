// LEDDisplayWidget's NOTIFY signals, through the hosts' shared tracking (Notifications.h).
#include "leddisplay/qt/WidgetHosting.h"

namespace led::qt {

void LEDDisplayWidget::Hosting::StartNotifying() {
  notifications.Start(widget, control.OverRange());
}

void LEDDisplayWidget::Hosting::NotifyChange(const std::string& name) {
  notifications.Change(widget, name, control.OverRange());
}

void LEDDisplayWidget::Hosting::NotifyChanges() {
  notifications.ChangeAll(widget, control.OverRange());
}

}  // namespace led::qt
