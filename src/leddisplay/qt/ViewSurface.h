// Internal: not installed.
#pragma once
// The Qt drawing surface of a widget or item: a platform::RasterSurface (same kept image,
// pixel rules, scales and limits), whose changes also reach its view (HostView.h): Cls
// schedules a repaint, setting Enabled enables or disables the view, MousePointer (0..15,
// or 99 with MouseIcon) sets its cursor. The host gives it its palette's system colours
// (PaletteColors.h), so the border and 3D edge follow the palette. Only inside
// PaintShapes, for vector devices, does it also keep its drawing as shapes (a
// platform::SurfaceShapes made for that paint); the screen's drawing records nothing.
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "leddisplay/host/Gdi.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/vector/SurfaceShapes.h"
#include "leddisplay/platform/vector/VectorGdi.h"
#include "leddisplay/qt/HostView.h"

namespace led::qt {

class ViewSurface : public platform::RasterSurface {
 public:
  explicit ViewSurface(HostView& view);

  // The device-context calls for this surface's host: the GDI table's, recorded inside
  // PaintShapes.
  host::Gdi& Gdi() { return gdi_; }

  // Drawn as RasterSurface draws them; recorded too inside PaintShapes.
  void Line(float x1, float y1, float x2, float y2, core::OleColor color) override;
  void Lines(std::span<const host::LineCall> lines) override;
  void Cls() override;
  void SetEnabled(core::Boolean enabled) override;
  void SetMousePointer(int16_t pointer) override;
  void SetMouseIcon(host::PicturePtr icon) override;

  // Paints the whole control (border and kept image) at (0, 0), one image pixel per
  // pixel of the painter, and the back colour over the rest of `area` (in the same
  // pixels). The border is composed again only when its size, style or colours change.
  void Paint(QPainter& painter, QSize area);
  // Paint's picture as shapes (PaintDrawing.h): runs `redraw` (a pass of the control)
  // while recording, without scheduling a repaint, then paints what it drew. False,
  // with nothing painted, when the redraw did not start the picture with a Cls.
  bool PaintShapes(QPainter& painter, QSize area, const std::function<void()>& redraw);
  // The kept image may hold see-through pixels (a transparent control copies a
  // see-through backdrop): Paint draws it with its alpha. Off at the start: opaque.
  void SetSeeThrough(bool on) { seeThrough_ = on; }

 private:
  void ApplyCursor();
  // The back colour over `area` beyond the extent.
  void PaintBeyond(QPainter& painter, QSize area);

  HostView& view_;
  // The shapes of PaintShapes's redraw; null outside it.
  std::unique_ptr<platform::SurfaceShapes> recording_;
  platform::VectorGdi gdi_;
  std::array<uint32_t, 11> frameKey_{};
  QImage frame_;            // the composed control; its border is drawn
  bool redrawing_ = false;  // inside PaintShapes's redraw
  bool cleared_ = false;    // Cls ran during that redraw
  bool seeThrough_ = false;
};

}  // namespace led::qt
