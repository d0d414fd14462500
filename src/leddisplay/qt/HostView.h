// Internal: not installed.
#pragma once
// What the Qt surface and caption labels need of the thing they show on (a widget or a
// Qt Quick item): a repaint, its enabled state, its cursor, its palette, and a paint
// device whose resolution measures fonts. WidgetView (WidgetView.h) gives a QWidget's.
#include <QCursor>
#include <QPaintDevice>
#include <QPalette>

namespace led::qt {

class HostView {
 public:
  virtual ~HostView() = default;
  virtual void Repaint() = 0;
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // No cursor: the view's default one.
  virtual void SetCursor(const QCursor* cursor) = 0;
  virtual QPalette Palette() const = 0;
  // Null: the screen's default resolution.
  virtual QPaintDevice* FontDevice() = 0;
};

}  // namespace led::qt
