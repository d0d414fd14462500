#include "leddisplay/platform/vector/VectorSurface.h"

namespace led::platform {

VectorSurface::VectorSurface()
    : RasterSurface(Pixels::kNone), shapes_(*this), gdi_(*this, &shapes_) {}

void VectorSurface::Line(float x1, float y1, float x2, float y2, core::OleColor color) {
  const host::LineCall line{x1, y1, x2, y2, color};
  VectorSurface::Lines(std::span(&line, 1));
}

// The shapes stop at the first refused line, where the raster surface raises its error.
void VectorSurface::Lines(std::span<const host::LineCall> lines) {
  shapes_.Lines(lines);
  RasterSurface::Lines(lines);
}

void VectorSurface::Cls() {
  RasterSurface::Cls();
  shapes_.Cls();
}

}  // namespace led::platform
