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
// draws at a zoom (its border too, so a display has one size in view pixels at every
// ratio): the ratio, or while fitting FitZoom's. FitSurface brings ratio, zoom, the
// surface's extent and `origin` (the display box's corner in the view, in surface
// pixels) up to date with the view's size and device pixel ratio, and redraws what
// changed. Where the box is smaller than the view (autoSize, fitToSize) it is centred and
// the rest is the front end's to fill (transparent in QML, the window's brush in a
// widget). Errors pass to the caller.
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/host/Host.h"
#include "leddisplay/platform/kit/ViewPoint.h"
#include "leddisplay/qt/HostView.h"
#include "leddisplay/qt/ViewContainer.h"
#include "leddisplay/qt/ViewLabel.h"
#include "leddisplay/qt/ViewSurface.h"

namespace led::qt {

struct ControlHost {
  explicit ControlHost(std::unique_ptr<HostView> hostView);

  void ApplyRatio(double deviceRatio);
  void FitSurface(double deviceRatio);
  // The control and its surface's border at `zoom`.
  void SetZoom(double zoom);
  // Whether a change the control names (a property) needs FitSurface: autoSize turned on
  // or off, anything while fitting, and anything auto-sized at a fractional ratio (its
  // zoom depends on what it shows). An auto-sized display's new extent is centred by
  // the surface's resize handler (Recentre).
  bool NeedsFit(const std::string& name);
  // With autoSize on, the display box centred in the view again (the container's box
  // follows); the surface's resize handler calls it before the control lays out.
  void Recentre();
  QSize DeviceSize(QSize viewSize) const;
  QSize ViewSize(QSize deviceSize) const;
  // A box in surface pixels relative to the display box, in the view's pixels.
  QRect ViewRect(QRect deviceRect) const;
  // Whether the display box is fitted into the view now (fitToSize, autoSize off).
  bool Fitting();
  // Whether the display box may be smaller than the view, centred in it (autoSize on,
  // or fitting).
  bool Boxed();
  // The extent AutoSize would give now in the view's pixels, the same at every device
  // ratio (platform/kit/Placement.h's AutoViewSize); none when the control has none.
  std::optional<QSize> ReckonAutoExtent();
  // Where the focus frame goes, in view pixels: around the display box when it is
  // boxed (Boxed), else along the view's edge.
  QRect FocusRect(QSize viewSize);
  // A point of the view in the control's units (platform/kit/ViewPoint.h): the same
  // numbers at every device ratio and zoom.
  platform::kit::ControlPoint ControlPoint(QPointF at);
  // The display box and its captions on a painter in view pixels: the kept image one
  // image pixel per device pixel at the box's place, the captions as Qt text clipped to
  // the inner area as the raster form's labels are. What lies around a boxed display is
  // the front end's: `around`, when given, paints it first, at the placement the box is
  // painted at (BoxInside).
  // On a vector device (PaintDrawing.h) the control draws again while the surface
  // records, and the box is painted as those shapes in the same place and geometry.
  // Into pixels denser than the ratio's (a QImage under painter.scale(4, 4), the pixmap
  // QWidget::render prints through), with a transform that neither turns nor stretches
  // one way more than the other, the display is placed and drawn again at that density,
  // as on a screen of as many device pixels a view pixel, painted, and placed back: the
  // raster form's pixels at that zoom. Meanwhile the view's repaints are held and
  // Rezooming() is true. Where the surface cannot hold that many pixels, or the
  // transform turns or stretches, an enlarged display is painted as shapes instead.
  void Paint(QPainter& painter, QSize viewSize, const std::function<void()>& around = {});
  // The view pixels the display box covers whole (its edges rounded inward).
  QRect BoxInside() const;
  // Whether Paint has placed the display at another density for a moment: the front
  // end leaves its geometry alone meanwhile.
  bool Rezooming() const { return rezooming_; }
  // Where each caption's text sits, in view pixels.
  QRect CaptionRect(ViewLabel& caption);

  std::unique_ptr<HostView> view;
  ViewSurface surface;
  ViewLabel lowerCaption;
  ViewLabel upperCaption;
  ViewContainer container;
  host::Host host;
  control::LEDDisplay control;
  double ratio = 1;
  bool fitToSize = false;
  QPoint origin;

 private:
  // Where a box of `box` surface pixels lies centred in the view.
  QPoint Centred(QSize box) const;
  // Paint at the density the painter shows a view pixel at; false, with the display
  // placed back and nothing painted, when the surface cannot be placed there.
  bool PaintAtDensity(QPainter& painter, QSize viewSize, double density,
                      const std::function<void()>& around);
  // Paint at the placement there is.
  void PaintPlaced(QPainter& painter, QSize viewSize, const std::function<void()>& around);
  bool inFit_ = false;      // FitSurface runs: a nested call (a view following) waits for it
  bool rezooming_ = false;  // PaintAtDensity has placed the display at another density
};

}  // namespace led::qt
