#include "leddisplay/qt/WidgetSurface.h"

#include <QCursor>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cstring>

#include "leddisplay/platform/raster/SystemColors.h"
#include "leddisplay/qt/Pictures.h"
#include "leddisplay/qt/QtPixelRows.h"

namespace led::qt {

namespace {

// The standard mouse pointers 0..15 as Qt cursors (0 is the default arrow).
constexpr std::array<Qt::CursorShape, 16> kPointers = {
    Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
};

// The border of `from` (t pixels on each side) into the same place of `to`. The sides
// are a few pixels a row: copied in place rather than by a library call each.
void CopyBorder(const QImage& from, QImage& to, int32_t t) {
  const int32_t w = from.width(), h = from.height();
  if (t <= 0) return;
  const int32_t side = std::min(t, w);
  const auto* in = reinterpret_cast<const uint32_t*>(from.constBits());
  auto* out = reinterpret_cast<uint32_t*>(to.bits());
  const qsizetype inStride = from.bytesPerLine() / 4, outStride = to.bytesPerLine() / 4;
  for (int32_t y = 0; y < h; ++y, in += inStride, out += outStride) {
    if (y < t || y >= h - t) {
      std::memcpy(out, in, size_t(w) * 4);
      continue;
    }
    for (int32_t x = 0; x < side; ++x) {
      out[x] = in[x];
      out[w - 1 - x] = in[w - 1 - x];
    }
  }
}

QRgb OpaquePixelColor(core::OleColor rgb) {
  return qRgb(core::RedOf(rgb), core::GreenOf(rgb), core::BlueOf(rgb));
}

}  // namespace

void WidgetSurface::Cls() {
  RasterSurface::Cls();
  widget_.update();
}

void WidgetSurface::SetEnabled(core::Boolean enabled) {
  RasterSurface::SetEnabled(enabled);
  widget_.setEnabled(core::IsTrue(enabled));
}

void WidgetSurface::SetMousePointer(int16_t pointer) {
  RasterSurface::SetMousePointer(pointer);
  ApplyCursor();
}

void WidgetSurface::SetMouseIcon(host::PicturePtr icon) {
  RasterSurface::SetMouseIcon(std::move(icon));
  ApplyCursor();
}

void WidgetSurface::ApplyCursor() {
  const int16_t pointer = MousePointer();
  if (pointer == 99) {
    const QImage icon = ToQImage(MouseIcon());
    if (!icon.isNull()) {
      widget_.setCursor(QCursor(QPixmap::fromImage(icon)));
      return;
    }
  }
  if (pointer == 0 || pointer == 99)
    widget_.unsetCursor();
  else
    widget_.setCursor(kPointers[size_t(pointer)]);
}

// The widget is drawn from one image in Qt's pixel order, made again at each paint from
// the kept border and the kept image. That image is shared by the thread's widgets: a
// panel of many displays then keeps one image per display, not two, which is what
// bounds its repaint once the images no longer fit the processor's caches.
void WidgetSurface::Paint(QPainter& painter) {
  const int32_t t = BorderThickness(), w = ExtentPixelsX(), h = ExtentPixelsY();
  if (w > 0 && h > 0) {
    const std::array<uint32_t, 10> key = {uint32_t(w),
                                          uint32_t(h),
                                          uint32_t(Appearance()),
                                          uint32_t(BorderStyle()),
                                          platform::ResolveColor(BackColor()),
                                          platform::SystemColor(platform::kColorWindowFrame),
                                          platform::SystemColor(platform::kColorButtonShadow),
                                          platform::SystemColor(platform::kColorButtonHighlight),
                                          platform::SystemColor(platform::kColor3DDarkShadow),
                                          platform::SystemColor(platform::kColor3DLight)};
    if (frame_.isNull() || key != frameKey_) {
      const platform::Image whole = Compose();
      frame_ = QImage(whole.width, whole.height, QImage::Format_RGB32);
      CopyToQtRows(whole, frame_, 0, 0);
      frameKey_ = key;
    }
    constexpr int64_t kSharedPixels = 1 << 20;  // larger ones get an image of their own
    static thread_local QImage shared;
    QImage own;
    QImage& shown = int64_t(w) * h <= kSharedPixels ? shared : own;
    if (shown.width() < w || shown.height() < h)
      shown = QImage(std::max(w, shown.width()), std::max(h, shown.height()), QImage::Format_RGB32);
    CopyBorder(frame_, shown, t);
    CopyToQtRows(Inner(), shown, t, t);
    painter.drawImage(QPoint(0, 0), shown, QRect(0, 0, w, h));
  }
  // A widget larger than the extent it could be given shows the back colour beyond it.
  const QColor back(OpaquePixelColor(platform::ResolveColor(BackColor())));
  if (widget_.width() > w)
    painter.fillRect(QRect(w, 0, widget_.width() - w, widget_.height()), back);
  if (widget_.height() > h) painter.fillRect(QRect(0, h, w, widget_.height() - h), back);
}

}  // namespace led::qt
