#include "leddisplay/qt/WidgetSurface.h"

#include <QCursor>
#include <QPixmap>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "leddisplay/platform/SystemColors.h"
#include "leddisplay/qt/Pictures.h"

namespace led::qt {

namespace {

// The standard mouse pointers 0..15 as Qt cursors (0 is the default arrow).
constexpr std::array<Qt::CursorShape, 16> kPointers = {
    Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
};

// Pixel rows as Qt's native 0xAARRGGBB (QImage::Format_RGB32), which it draws by plain
// copies; ours have red in the low byte. Four pixels at a time where SSE2 is there: a
// panel repaints every display on each change, so this runs once per update.
void CopyRows(const platform::Image& from, QImage& to) {
  const auto swap = [](uint32_t p) {
    return 0xFF000000u | (p & 0x0000FF00u) | ((p & 0xFFu) << 16) | ((p >> 16) & 0xFFu);
  };
  for (int32_t y = 0; y < from.height; ++y) {
    const platform::Pixel* row = from.pixels.data() + size_t(y) * size_t(from.width);
    auto* out = reinterpret_cast<uint32_t*>(to.scanLine(y));
    int32_t x = 0;
#if defined(__SSE2__)
    const __m128i greenAlpha = _mm_set1_epi32(int(0xFF00FF00u));
    const __m128i redBlue = _mm_set1_epi32(0x00FF00FF);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    for (; x + 4 <= from.width; x += 4) {
      const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
      const __m128i rb = _mm_and_si128(p, redBlue);
      const __m128i swapped = _mm_or_si128(_mm_slli_epi32(rb, 16), _mm_srli_epi32(rb, 16));
      const __m128i q = _mm_or_si128(_mm_or_si128(_mm_and_si128(p, greenAlpha), swapped), opaque);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), q);
    }
#endif
    for (; x < from.width; ++x) out[x] = swap(row[x]);
  }
}

QRgb OpaquePixelColor(core::OleColor rgb) {
  return qRgb(core::RedOf(rgb), core::GreenOf(rgb), core::BlueOf(rgb));
}

}  // namespace

void WidgetSurface::Cls() {
  RasterSurface::Cls();
  drawn_ = true;
  widget_.update();
}

void WidgetSurface::Line(float x1, float y1, float x2, float y2, core::OleColor color) {
  RasterSurface::Line(x1, y1, x2, y2, color);
  drawn_ = true;
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

void WidgetSurface::Paint(QPainter& painter) {
  const int32_t t = BorderThickness(), w = ExtentPixelsX(), h = ExtentPixelsY();
  if (t > 0 && w > 0 && h > 0) {
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
      CopyRows(whole, frame_);
      frameKey_ = key;
    }
    if (w <= 2 * t || h <= 2 * t) {
      painter.drawImage(QPoint(0, 0), frame_);
    } else {
      for (const QRect& strip : {QRect(0, 0, w, t), QRect(0, h - t, w, t),
                                 QRect(0, t, t, h - 2 * t), QRect(w - t, t, t, h - 2 * t)})
        painter.drawImage(strip, frame_, strip);
    }
  }
  // A widget larger than the extent it could be given shows the back colour beyond it.
  const QColor back(OpaquePixelColor(platform::ResolveColor(BackColor())));
  if (widget_.width() > w)
    painter.fillRect(QRect(w, 0, widget_.width() - w, widget_.height()), back);
  if (widget_.height() > h) painter.fillRect(QRect(0, h, w, widget_.height() - h), back);
  const platform::Image& inner = Inner();
  if (inner.width == 0 || inner.height == 0) return;
  if (drawn_ || shown_.width() != inner.width || shown_.height() != inner.height) {
    if (shown_.width() != inner.width || shown_.height() != inner.height)
      shown_ = QImage(inner.width, inner.height, QImage::Format_RGB32);
    CopyRows(inner, shown_);
    drawn_ = false;
  }
  painter.drawImage(QRect(t, t, inner.width, inner.height), shown_);
}

}  // namespace led::qt
