// Internal: not installed.
#pragma once
// The Qt drawing surface of a widget or item: a platform::RasterSurface (same kept image,
// pixel rules, scales and limits), whose changes also reach its view (HostView.h): Cls
// schedules a repaint, setting Enabled enables or disables the view, MousePointer (0..15,
// or 99 with MouseIcon) sets its cursor. The host gives it its palette's system colours
// (PaletteColors.h), so the border and 3D edge follow the palette.
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdint>

#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/qt/HostView.h"

namespace led::qt {

class WidgetSurface : public platform::RasterSurface {
 public:
  explicit WidgetSurface(HostView& view) : view_(view) {}

  void Cls() override;
  void SetEnabled(core::Boolean enabled) override;
  void SetMousePointer(int16_t pointer) override;
  void SetMouseIcon(host::PicturePtr icon) override;

  // Paints the whole control (border and kept image) at (0, 0), one image pixel per
  // pixel of the painter, and the back colour over the rest of `area` (in the same
  // pixels). The border is composed again only when its size, style or colours change.
  void Paint(QPainter& painter, QSize area);

 private:
  void ApplyCursor();

  HostView& view_;
  std::array<uint32_t, 10> frameKey_{};
  QImage frame_;  // the composed control; its border is drawn
};

}  // namespace led::qt
