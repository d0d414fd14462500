// Internal: not installed.
#pragma once
// The GDI of one surface's host: the process-wide GdiTable for every call but
// GetSysColor, which answers from the surface's system colours (RasterSurface::SystemColor),
// so that a gradient in a system colour matches the lines the surface draws.
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::platform {

class SurfaceGdi : public host::Gdi {
 public:
  // `surface` must outlive this object.
  explicit SurfaceGdi(const RasterSurface& surface) : surface_(surface) {}

  int32_t CreateCompatibleDC(int32_t hdc) override { return Table().CreateCompatibleDC(hdc); }
  int32_t SelectObject(int32_t hdc, int32_t object) override {
    return Table().SelectObject(hdc, object);
  }
  int32_t BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) override {
    return Table().BitBlt(hdcDest, x, y, width, height, hdcSrc, xSrc, ySrc, rop);
  }
  int32_t DeleteDC(int32_t hdc) override { return Table().DeleteDC(hdc); }
  int32_t GradientFill(int32_t hdc, std::span<const host::TriVertex> vertices,
                       std::span<const host::GradientMeshRect> mesh, uint32_t mode) override {
    return Table().GradientFill(hdc, vertices, mesh, mode);
  }
  core::OleColor GetSysColor(int32_t index) override { return surface_.SystemColor(index); }

 private:
  static GdiTable& Table() { return GdiTable::Instance(); }

  const RasterSurface& surface_;
};

}  // namespace led::platform
