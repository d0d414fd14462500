#include "leddisplay/qt/WidgetSurface.h"

#include <QCursor>
#include <QPixmap>
#include <array>
#include <cstring>

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

QImage WidgetSurface::Composed() const {
  // Without a border the kept image is the whole control: it is shown without a copy.
  if (BorderThickness() == 0) {
    const platform::Image& inner = Inner();
    if (inner.width == 0 || inner.height == 0) return {};
    return QImage(reinterpret_cast<const uchar*>(inner.pixels.data()), inner.width, inner.height,
                  inner.width * 4, QImage::Format_RGBA8888);
  }
  const platform::Image whole = Compose();
  if (whole.width == 0 || whole.height == 0) return {};
  QImage image(whole.width, whole.height, QImage::Format_RGBA8888);
  for (int32_t y = 0; y < whole.height; ++y)
    std::memcpy(image.scanLine(y), whole.pixels.data() + size_t(y) * size_t(whole.width),
                size_t(whole.width) * 4);
  return image;
}

}  // namespace led::qt
