#include "leddisplay/qt/ControlHost.h"

#include <QPaintEngine>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <exception>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/qt/PaintDrawing.h"
#include "leddisplay/qt/PaletteColors.h"

namespace led::qt {

ControlHost::ControlHost(std::unique_ptr<HostView> hostView)
    : view(std::move(hostView)),
      surface(*view),
      lowerCaption(*view, surface, "Label1"),
      upperCaption(*view, surface, "Label2"),
      container(*view, [this] { return surface.TwipsPerPixelX() * float(ratio); }),
      host{surface, lowerCaption, upperCaption, container, surface.Gdi()},
      control(host) {
  surface.SetSystemColors(SystemColorsOf(view->Palette()));
  // The disabled look (platform::DisabledLineColor) while the view is disabled, its
  // parent's state included, toward the unlit colour of the moment.
  surface.SetLineColorMap([this](core::OleColor rgb) {
    return view->IsEnabled()
               ? rgb
               : platform::DisabledLineColor(rgb, surface.Resolve(control.OffColor()));
  });
}

void ControlHost::ApplyRatio(double deviceRatio) {
  const float twips = float(platform::kit::kTwipsPerViewPixel / deviceRatio);
  surface.SetTwipsPerPixel(twips, twips);
  ratio = deviceRatio;
  lowerCaption.SetDeviceRatio(ratio);
  upperCaption.SetDeviceRatio(ratio);
  container.SetBox(ratio, origin);
  SetZoom(ratio);
}

void ControlHost::SetZoom(double zoom) {
  surface.SetBorderZoom(zoom);
  control.SetZoom(zoom);
}

bool ControlHost::Fitting() {
  return fitToSize && !core::IsTrue(control.AutoSize());
}

bool ControlHost::Boxed() {
  return fitToSize || core::IsTrue(control.AutoSize());
}

// The placement is the kit's (platform/kit/Placement.h). With autoSize on the control
// sizes the surface itself when it lays out (the host's view follows it); otherwise the
// host gives the surface the placement's extent. A zoom, ratio or place that changed with
// the extent unchanged still lays the display out anew.
void ControlHost::FitSurface(double deviceRatio) {
  if (inFit_) return;
  inFit_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{inFit_};
  double keptRatio = ratio, keptZoom = control.Zoom();
  if (deviceRatio != ratio) ApplyRatio(deviceRatio);
  // Laying out may resize the view (it follows an auto-sized display, or its implicit
  // size the captions' new measure; the fits it asks for meanwhile wait for this one):
  // then the display is placed again in the view as it is now.
  for (int pass = 0; pass < 3; ++pass) {
    const QSize keptExtent(surface.ExtentPixelsX(), surface.ExtentPixelsY());
    const QPoint keptOrigin = origin;
    const bool autoSize = core::IsTrue(control.AutoSize());
    const platform::kit::Sizing sizing = autoSize    ? platform::kit::Sizing::AutoSize
                                         : fitToSize ? platform::kit::Sizing::Fit
                                                     : platform::kit::Sizing::Follow;
    const QSize viewSize = view->Geometry().size();
    platform::PlacedLabel* const captions[] = {&lowerCaption, &upperCaption};
    const platform::kit::Placement placement = platform::kit::PlaceControl(
        control, surface, {viewSize.width(), viewSize.height()}, ratio, sizing, captions);
    SetZoom(placement.zoom);
    origin = QPoint(placement.originX, placement.originY);
    container.SetBox(ratio, origin);
    if (!autoSize) surface.SetExtentPixels(placement.extent.width, placement.extent.height);
    const bool sized = keptExtent != QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY());
    const bool moved = origin != keptOrigin;
    if (moved || (!sized && (ratio != keptRatio || control.Zoom() != keptZoom))) control.Resize();
    keptRatio = ratio;
    keptZoom = control.Zoom();
    // An auto-sized display's extent is the control's: centred as it came out.
    if (autoSize) {
      const QPoint centred = Centred(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
      if (centred != origin) {
        origin = centred;
        container.SetBox(ratio, origin);
        control.Resize();
      }
    }
    if (view->Geometry().size() == viewSize) break;
  }
  view->Repaint();
}

bool ControlHost::NeedsFit(const std::string& name) {
  if (name == "AutoSize" || Fitting()) return true;
  return core::IsTrue(control.AutoSize()) && ratio != std::round(ratio);
}

void ControlHost::Recentre() {
  if (!core::IsTrue(control.AutoSize())) return;
  origin = Centred(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
  container.SetBox(ratio, origin);
}

QPoint ControlHost::Centred(QSize box) const {
  const QSize area = DeviceSize(view->Geometry().size());
  const platform::kit::PixelSize corner =
      platform::kit::CentredOrigin({area.width(), area.height()}, {box.width(), box.height()});
  return QPoint(corner.width, corner.height);
}

QSize ControlHost::DeviceSize(QSize viewSize) const {
  const platform::kit::PixelSize device =
      platform::kit::DeviceSize({viewSize.width(), viewSize.height()}, ratio);
  return QSize(device.width, device.height);
}

QSize ControlHost::ViewSize(QSize deviceSize) const {
  const platform::kit::PixelSize v =
      platform::kit::ViewSize({deviceSize.width(), deviceSize.height()}, ratio);
  return QSize(v.width, v.height);
}

QRect ControlHost::ViewRect(QRect deviceRect) const {
  if (deviceRect.isEmpty()) return {};
  const QRectF device(deviceRect.translated(origin));
  return QRectF(device.topLeft() / ratio, device.size() / ratio).toAlignedRect();
}

QRect ControlHost::FocusRect(QSize viewSize) {
  const QRect view(QPoint(), viewSize);
  if (!Boxed()) return view;
  return ViewRect(QRect(0, 0, surface.ExtentPixelsX(), surface.ExtentPixelsY())).intersected(view);
}

std::optional<QSize> ControlHost::ReckonAutoExtent() {
  platform::PlacedLabel* const captions[] = {&lowerCaption, &upperCaption};
  const std::optional<platform::kit::PixelSize> size =
      platform::kit::AutoViewSize(control, surface, ratio, captions);
  if (!size) return std::nullopt;
  return QSize(size->width, size->height);
}

platform::kit::ControlPoint ControlHost::ControlPoint(QPointF at) {
  return platform::kit::ControlPointOf(surface, {ratio, control.Zoom(), origin.x(), origin.y()},
                                       at.x(), at.y());
}

namespace {

// The device pixels a view pixel spans on a raster painter whose transform enlarges
// beyond `ratio` (by more than a rounding's worth), both ways alike and without turning;
// none otherwise. Reduced, the kept image is painted as it is.
std::optional<double> EnlargedRasterDensity(const QPainter& painter, double ratio) {
  const QPaintEngine* engine = painter.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return std::nullopt;
  const QTransform t = painter.deviceTransform();
  if (t.type() > QTransform::TxScale) return std::nullopt;
  const double density = t.m11();
  if (std::abs(t.m22() - density) > density * 1e-6 || density <= ratio * 1.01) return std::nullopt;
  return density;
}

}  // namespace

void ControlHost::Paint(QPainter& painter, QSize viewSize, const std::function<void()>& around) {
  if (!rezooming_)
    if (const std::optional<double> density = EnlargedRasterDensity(painter, ratio))
      if (PaintAtDensity(painter, viewSize, *density, around)) return;
  PaintPlaced(painter, viewSize, around);
}

QRect ControlHost::BoxInside() const {
  const QSize box(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  return QRect(QPoint(qCeil(origin.x() / ratio), qCeil(origin.y() / ratio)),
               QPoint(qFloor((origin.x() + box.width()) / ratio) - 1,
                      qFloor((origin.y() + box.height()) / ratio) - 1));
}

// The display is placed as FitSurface places it for a screen of that density, and back
// at the host's ratio afterwards, which draws the kept image the view shows again. What
// the control throws while placed aside leaves the shapes (or the kept image) to paint.
bool ControlHost::PaintAtDensity(QPainter& painter, QSize viewSize, double density,
                                 const std::function<void()>& around) {
  const double kept = ratio;
  view->HoldRepaints(true);
  rezooming_ = true;
  bool painted = false;
  try {
    FitSurface(density);
    PaintPlaced(painter, viewSize, around);
    painted = true;
  } catch (const std::exception&) {
  }
  try {
    FitSurface(kept);
  } catch (const std::exception&) {
  }
  rezooming_ = false;
  view->HoldRepaints(false);
  return painted;
}

void ControlHost::PaintPlaced(QPainter& painter, QSize viewSize,
                              const std::function<void()>& around) {
  if (around) around();
  const QSize box(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  painter.save();
  painter.scale(1 / ratio, 1 / ratio);
  painter.translate(origin);
  const QSize area = Boxed() ? box : DeviceSize(viewSize);
  // A pass that fails paints the kept image instead, as the screen shows it.
  bool shapes = false;
  if (PaintsShapes(painter, ratio)) {
    try {
      shapes = surface.PaintShapes(painter, area, [this] { control.Refresh(); });
    } catch (const core::RuntimeError&) {
    }
  }
  if (!shapes) surface.Paint(painter, area);
  painter.restore();
  const int border = surface.BorderThickness();
  if (!lowerCaption.PixelRect(border, border).isEmpty() ||
      !upperCaption.PixelRect(border, border).isEmpty()) {
    const platform::Image& inner = surface.Inner();
    const QRectF clip(QRect(origin + QPoint(border, border), QSize(inner.width, inner.height)));
    painter.save();
    painter.setClipRect(QRectF(clip.topLeft() / ratio, clip.size() / ratio));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    lowerCaption.Draw(painter, origin.x() + border, origin.y() + border);
    upperCaption.Draw(painter, origin.x() + border, origin.y() + border);
    painter.restore();
  }
}

QRect ControlHost::CaptionRect(ViewLabel& caption) {
  const int border = surface.BorderThickness();
  return ViewRect(caption.PixelRect(border, border));
}

}  // namespace led::qt
