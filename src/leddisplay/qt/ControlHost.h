// Internal: not installed.
#pragma once
// What a Qt host (the widget, the Qt Quick item) gives its control, on a HostView: the
// surface (with the view's palette as system colours and the disabled look), the GDI
// table, the two captions, the container, the host table and the control itself, with
// the sizing and painting the hosts share. The owner starts the
// control and forwards its own events.
//
// Sizing in the screen's pixels: the surface's pixels are the device's, `ratio` of them
// to a view pixel, at 15 / ratio twips each (so twips stay the view's), and the control
// draws at zoom `ratio`, or while fitting at FitZoom's. FitSurface brings ratio, zoom, the
// surface's extent and `origin` (the display box's corner in the view, in surface
// pixels) up to date with the view's size and device pixel ratio, and redraws what
// changed. Errors pass to the caller.
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>
#include <optional>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/host/Host.h"
#include "leddisplay/qt/HostView.h"
#include "leddisplay/qt/WidgetContainer.h"
#include "leddisplay/qt/WidgetLabel.h"
#include "leddisplay/qt/WidgetSurface.h"

namespace led::qt {

struct ControlHost {
  explicit ControlHost(std::unique_ptr<HostView> hostView);

  void ApplyRatio(double deviceRatio);
  void FitSurface(double deviceRatio);
  QSize DeviceSize(QSize viewSize) const;
  QSize ViewSize(QSize deviceSize) const;
  // A box in surface pixels relative to the display box, in the view's pixels.
  QRect ViewRect(QRect deviceRect) const;
  // Whether the display box is fitted into the view now (fitToSize, autoSize off).
  bool Fitting();
  // The extent AutoSize would give now (the control's AutoSizeExtent) in the view's
  // pixels; none when the control has none or the surface would refuse it.
  std::optional<QSize> ReckonAutoExtent();
  // A point of the view in the control's scale (the inner area's corner is 0, 0).
  float ControlX(double x);
  float ControlY(double y);
  // The display box and its captions on a painter in view pixels: the kept image one
  // image pixel per device pixel at the box's place, the captions as Qt text clipped to
  // the inner area as the raster form's labels are. Not what lies around a fitted box.
  // On a vector device (PaintDrawing.h) the control draws again while the surface
  // records, and the box is painted as those shapes in the same place and geometry.
  void Paint(QPainter& painter, QSize viewSize);
  // Where each caption's text sits, in view pixels.
  QRect CaptionRect(WidgetLabel& caption);

  std::unique_ptr<HostView> view;
  WidgetSurface surface;
  WidgetLabel lowerCaption;
  WidgetLabel upperCaption;
  WidgetContainer container;
  host::Host host;
  control::LEDDisplay control;
  double ratio = 1;
  bool fitToSize = false;
  QPoint origin;
};

}  // namespace led::qt
