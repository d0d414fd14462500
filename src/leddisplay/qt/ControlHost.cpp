#include "leddisplay/qt/ControlHost.h"

#include <QtMath>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/qt/DisabledLook.h"
#include "leddisplay/qt/PaintDrawing.h"
#include "leddisplay/qt/PaletteColors.h"

namespace led::qt {

namespace {

constexpr double kTwipsPerViewPixel = 15;

}  // namespace

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
  const float twips = float(kTwipsPerViewPixel / deviceRatio);
  surface.SetTwipsPerPixel(twips, twips);
  ratio = deviceRatio;
  lowerCaption.SetDeviceRatio(ratio);
  upperCaption.SetDeviceRatio(ratio);
  container.SetBox(ratio, origin);
  control.SetZoom(ratio);
}

bool ControlHost::Fitting() {
  return fitToSize && !core::IsTrue(control.AutoSize());
}

// With autoSize on the control sizes the surface (the host follows it); otherwise the
// view's size gives the surface's, or while fitting the box within it. A zoom or ratio
// that changed with the extent unchanged still lays the display out anew.
void ControlHost::FitSurface(double deviceRatio) {
  const double keptRatio = ratio, keptZoom = control.Zoom();
  if (deviceRatio != ratio) ApplyRatio(deviceRatio);
  const QSize keptExtent(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  const QPoint keptOrigin = origin;
  origin = QPoint();
  container.SetBox(ratio, origin);
  control.SetZoom(ratio);
  if (!core::IsTrue(control.AutoSize())) {
    const QSize area = DeviceSize(view->Geometry().size());
    QSize box = area;
    if (fitToSize) {
      const core::TwipsExtent available{float(area.width()) * surface.TwipsPerPixelX(),
                                        float(area.height()) * surface.TwipsPerPixelY()};
      if (const std::optional<double> fit = control.FitZoom(available)) {
        control.SetZoom(*fit);
        if (const std::optional<core::TwipsExtent> extent = control.AutoSizeExtent())
          box = QSize(surface.PixelsFromTwipsX(extent->width),
                      surface.PixelsFromTwipsY(extent->height))
                    .boundedTo(area);
      }
    }
    origin = QPoint((area.width() - box.width()) / 2, (area.height() - box.height()) / 2);
    container.SetBox(ratio, origin);
    surface.SetExtentPixels(box.width(), box.height());
  }
  const bool sized = keptExtent != QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  if (!sized && (ratio != keptRatio || control.Zoom() != keptZoom || origin != keptOrigin))
    control.Resize();
  view->Repaint();
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

std::optional<QSize> ControlHost::ReckonAutoExtent() {
  // At the device's zoom, not a fitted one: the display's own size.
  const double kept = control.Zoom();
  control.SetZoom(ratio);
  const std::optional<core::TwipsExtent> extent = control.AutoSizeExtent();
  control.SetZoom(kept);
  if (!extent) return std::nullopt;
  try {
    return ViewSize(
        QSize(surface.PixelsFromTwipsX(extent->width), surface.PixelsFromTwipsY(extent->height)));
  } catch (const core::RuntimeError&) {
    return std::nullopt;
  }
}

float ControlHost::ControlX(double x) {
  return surface.ScaleX(float(x * ratio - origin.x() - surface.BorderThickness()),
                        host::kScalePixels, surface.ScaleMode());
}

float ControlHost::ControlY(double y) {
  return surface.ScaleY(float(y * ratio - origin.y() - surface.BorderThickness()),
                        host::kScalePixels, surface.ScaleMode());
}

void ControlHost::Paint(QPainter& painter, QSize viewSize) {
  const QSize box(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  painter.save();
  painter.scale(1 / ratio, 1 / ratio);
  painter.translate(origin);
  const QSize area = Fitting() ? box : DeviceSize(viewSize);
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
