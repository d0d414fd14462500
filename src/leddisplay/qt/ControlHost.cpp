#include "leddisplay/qt/ControlHost.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/qt/DisabledLook.h"
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
  // The disabled look (DisabledLook.h), toward the unlit colour of the moment.
  surface.SetLineColorMap([this](core::OleColor rgb) {
    return view->IsEnabled() ? rgb : DisabledLineColor(rgb, surface.Resolve(control.OffColor()));
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

// With autoSize on the control sizes the surface at AutoSizeZoom (the host's view follows
// it); otherwise the view's size gives the surface's, or while fitting the box within it.
// The box is centred in the view. A zoom, ratio or place that changed with the extent
// unchanged still lays the display out anew.
void ControlHost::FitSurface(double deviceRatio) {
  if (inFit_) return;
  inFit_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{inFit_};
  const double keptRatio = ratio, keptZoom = control.Zoom();
  const QSize keptExtent(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  const QPoint keptOrigin = origin;
  if (deviceRatio != ratio) ApplyRatio(deviceRatio);
  if (core::IsTrue(control.AutoSize())) {
    SetZoom(AutoSizeZoom());
    if (control.Zoom() != keptZoom || ratio != keptRatio) control.Resize();
    // The view may have followed the new extent meanwhile: it is centred in the last.
    origin = Centred(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
  } else {
    SetZoom(ratio);
    const QSize area = DeviceSize(view->Geometry().size());
    QSize box = area;
    if (fitToSize) {
      const core::TwipsExtent available{float(area.width()) * surface.TwipsPerPixelX(),
                                        float(area.height()) * surface.TwipsPerPixelY()};
      if (const std::optional<double> fit = control.FitZoom(available)) {
        SetZoom(*fit);
        if (const std::optional<core::TwipsExtent> extent = control.AutoSizeExtent())
          box = QSize(surface.PixelsFromTwipsX(extent->width),
                      surface.PixelsFromTwipsY(extent->height))
                    .boundedTo(area);
      }
    }
    origin = Centred(box);
    container.SetBox(ratio, origin);
    surface.SetExtentPixels(box.width(), box.height());
  }
  container.SetBox(ratio, origin);
  const bool sized = keptExtent != QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  const bool moved = origin != keptOrigin;
  if (moved || (!sized && (ratio != keptRatio || control.Zoom() != keptZoom))) control.Resize();
  // Laying out may have resized an auto-sized display, and its view with it (the fits
  // that asked for meanwhile waited for this one): it is centred in the view as it is now.
  for (int again = 0; again < 2 && core::IsTrue(control.AutoSize()); ++again) {
    const QPoint centred = Centred(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
    if (centred == origin) break;
    origin = centred;
    container.SetBox(ratio, origin);
    control.Resize();
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
  return QPoint(std::max(0, (area.width() - box.width()) / 2),
                std::max(0, (area.height() - box.height()) / 2));
}

QSize ControlHost::DeviceSize(QSize viewSize) const {
  return QSize(qRound(viewSize.width() * ratio), qRound(viewSize.height() * ratio));
}

QSize ControlHost::ViewSize(QSize deviceSize) const {
  return QSize(qRound(deviceSize.width() / ratio), qRound(deviceSize.height() / ratio));
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

std::optional<QSize> ControlHost::AutoExtentAt(double zoom) {
  const std::optional<core::TwipsExtent> extent = control.AutoSizeExtentAt(zoom);
  if (!extent) return std::nullopt;
  try {
    return QSize(surface.PixelsFromTwipsX(extent->width), surface.PixelsFromTwipsY(extent->height));
  } catch (const core::RuntimeError&) {
    return std::nullopt;
  }
}

std::optional<QSize> ControlHost::ReckonAutoExtent() {
  const double low = std::floor(ratio), high = std::ceil(ratio);
  std::optional<QSize> device;
  if (low == high || low < 1) {
    device = AutoExtentAt(ratio);
  } else {
    const std::optional<QSize> below = AutoExtentAt(low), above = AutoExtentAt(high);
    if (!below || !above) return std::nullopt;
    const double t = ratio - low;
    device = QSize(qRound(below->width() * (1 - t) + above->width() * t),
                   qRound(below->height() * (1 - t) + above->height() * t));
  }
  if (!device) return std::nullopt;
  return ViewSize(*device);
}

double ControlHost::AutoSizeZoom() {
  if (ratio == std::round(ratio)) return ratio;
  const std::optional<QSize> logical = ReckonAutoExtent();
  const std::optional<QSize> atRatio = AutoExtentAt(ratio);
  if (!logical || !atRatio) return ratio;
  const QSize box = DeviceSize(*logical);
  if (atRatio->width() <= box.width() && atRatio->height() <= box.height()) return ratio;
  const std::optional<double> fit =
      control.FitZoom({float(box.width()) * surface.TwipsPerPixelX(),
                       float(box.height()) * surface.TwipsPerPixelY()});
  return fit ? std::min(*fit, ratio) : ratio;
}

platform::kit::ControlPoint ControlHost::ControlPoint(QPointF at) {
  return platform::kit::ControlPointOf(surface, {ratio, control.Zoom(), origin.x(), origin.y()},
                                       at.x(), at.y());
}

void ControlHost::Paint(QPainter& painter, QSize viewSize) {
  const QSize box(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  painter.save();
  painter.scale(1 / ratio, 1 / ratio);
  painter.translate(origin);
  const QSize area = Boxed() ? box : DeviceSize(viewSize);
  // A pass that fails paints the kept image instead, as the screen shows it.
  bool shapes = false;
  if (PaintsShapes(painter)) {
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

QRect ControlHost::CaptionRect(WidgetLabel& caption) {
  const int border = surface.BorderThickness();
  return ViewRect(caption.PixelRect(border, border));
}

}  // namespace led::qt
