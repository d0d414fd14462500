#pragma once
// The widget's drawing surface: a platform::RasterSurface (same kept image, pixel rules,
// scales and limits), whose changes also reach the widget: Cls schedules a repaint,
// setting Enabled enables or disables the widget, MousePointer (0..15, or 99 with
// MouseIcon) sets its cursor.
#include <QWidget>

#include "leddisplay/platform/RasterSurface.h"

namespace led::qt {

class WidgetSurface : public platform::RasterSurface {
 public:
  explicit WidgetSurface(QWidget& widget) : widget_(widget) {}

  void Cls() override;
  void SetEnabled(core::Boolean enabled) override;
  void SetMousePointer(int16_t pointer) override;
  void SetMouseIcon(host::PicturePtr icon) override;

  // The composed control (border and kept image), null when empty. Without a border it
  // shares the kept image's pixels: valid until the next drawing call.
  QImage Composed() const;

 private:
  void ApplyCursor();

  QWidget& widget_;
};

}  // namespace led::qt
