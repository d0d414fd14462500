#include "leddisplay/qt/ViewSurface.h"

#include <QCursor>
#include <QPixmap>
#include <algorithm>
#include <array>

#include "leddisplay/platform/raster/SystemColors.h"
#include "leddisplay/qt/Conversions.h"
#include "leddisplay/qt/PaintDrawing.h"

namespace led::qt {

namespace {

// The standard mouse pointers 0..15 as Qt cursors (0 is the default arrow).
constexpr std::array<Qt::CursorShape, 16> kPointers = {
    Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
    Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
    Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
};

// The rows of an image as a QImage that refers to them, without a copy; with their
// alpha (its pixels are opaque or wholly see-through, so premultiplied as they are) or
// opaque.
QImage RowsOf(const platform::Image& image, bool alpha = false) {
  return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                qsizetype(image.width) * 4,
                alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

QRgb OpaquePixelColor(core::OleColor rgb) {
  return qRgb(core::RedOf(rgb), core::GreenOf(rgb), core::BlueOf(rgb));
}

}  // namespace

ViewSurface::ViewSurface(HostView& view) : view_(view), gdi_(*this) {}

void ViewSurface::Line(float x1, float y1, float x2, float y2, core::OleColor color) {
  const host::LineCall line{x1, y1, x2, y2, color};
  ViewSurface::Lines(std::span(&line, 1));
}

void ViewSurface::Lines(std::span<const host::LineCall> lines) {
  if (recording_) recording_->Lines(lines);
  RasterSurface::Lines(lines);
}

void ViewSurface::Cls() {
  RasterSurface::Cls();
  if (recording_) recording_->Cls();
  if (redrawing_)
    cleared_ = true;
  else
    view_.Repaint();
}

void ViewSurface::SetEnabled(core::Boolean enabled) {
  RasterSurface::SetEnabled(enabled);
  view_.SetEnabled(core::IsTrue(enabled));
}

void ViewSurface::SetMousePointer(int16_t pointer) {
  RasterSurface::SetMousePointer(pointer);
  ApplyCursor();
}

void ViewSurface::SetMouseIcon(host::PicturePtr icon) {
  RasterSurface::SetMouseIcon(std::move(icon));
  ApplyCursor();
}

void ViewSurface::ApplyCursor() {
  const int16_t pointer = MousePointer();
  if (pointer == 99) {
    const QImage icon = ToQImage(MouseIcon());
    if (!icon.isNull()) {
      const QCursor cursor(QPixmap::fromImage(icon));
      view_.SetCursor(&cursor);
      return;
    }
  }
  if (pointer == 0 || pointer == 99) {
    view_.SetCursor(nullptr);
  } else {
    const QCursor cursor(kPointers[size_t(pointer)]);
    view_.SetCursor(&cursor);
  }
}

// The kept image is drawn where it lies, straight from its pixels (they are Qt's
// Format_RGB32 words); the border around it comes from an image composed only when its
// size, style or colours change.
void ViewSurface::Paint(QPainter& painter, QSize area) {
  const int32_t t = BorderThickness(), w = ExtentPixelsX(), h = ExtentPixelsY();
  if (w > 0 && h > 0 && t > 0) {
    const std::array<uint32_t, 11> key = {uint32_t(w),
                                          uint32_t(h),
                                          uint32_t(t),
                                          uint32_t(Appearance()),
                                          uint32_t(BorderStyle()),
                                          Resolve(BackColor()),
                                          SystemColor(platform::kColorWindowFrame),
                                          SystemColor(platform::kColorButtonShadow),
                                          SystemColor(platform::kColorButtonHighlight),
                                          SystemColor(platform::kColor3DDarkShadow),
                                          SystemColor(platform::kColor3DLight)};
    if (frame_.isNull() || key != frameKey_) {
      const platform::Image whole = Compose();
      frame_ = RowsOf(whole).copy();
      frameKey_ = key;
    }
    // The four sides: the top and bottom rows whole, the left and right columns between.
    const int32_t rows = std::min(t, h), sides = h - 2 * t;
    const auto side = [&](int32_t x, int32_t y, int32_t width, int32_t height) {
      if (width > 0 && height > 0)
        painter.drawImage(QPoint(x, y), frame_, QRect(x, y, width, height));
    };
    side(0, 0, w, rows);
    side(0, h - rows, w, rows);
    side(0, t, std::min(t, w), sides);
    side(w - std::min(t, w), t, std::min(t, w), sides);
  }
  const platform::Image& inner = Inner();
  if (inner.width > 0 && inner.height > 0) {
    // See-through pixels replace what is under them (the picture starts see-through):
    // a copy, where blending would cost each pixel.
    if (seeThrough_) painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(t, t), RowsOf(inner, seeThrough_));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  PaintBeyond(painter, area);
}

bool ViewSurface::PaintShapes(QPainter& painter, QSize area, const std::function<void()>& redraw) {
  // Recording stops, and its shapes go, however the redraw ends.
  struct Recording {
    explicit Recording(ViewSurface& s) : surface(s) {
      surface.recording_ = std::make_unique<platform::SurfaceShapes>(surface);
      surface.gdi_.RecordInto(surface.recording_.get());
      surface.redrawing_ = true;
      surface.cleared_ = false;
    }
    ~Recording() {
      surface.gdi_.RecordInto(nullptr);
      surface.recording_.reset();
      surface.redrawing_ = false;
    }
    ViewSurface& surface;
  };
  platform::Drawing drawing;
  {
    const Recording recording(*this);
    redraw();
    if (cleared_) drawing = recording_->Shapes();
  }
  if (!cleared_) return false;
  PaintDrawing(painter, drawing);
  PaintBeyond(painter, area);
  return true;
}

// A view larger than the extent it could be given shows the back colour beyond it.
void ViewSurface::PaintBeyond(QPainter& painter, QSize area) {
  const int32_t w = ExtentPixelsX(), h = ExtentPixelsY();
  const QColor back(OpaquePixelColor(Resolve(BackColor())));
  if (area.width() > w) painter.fillRect(QRect(w, 0, area.width() - w, area.height()), back);
  if (area.height() > h) painter.fillRect(QRect(0, h, w, area.height() - h), back);
}

}  // namespace led::qt
