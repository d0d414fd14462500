#pragma once
/// @file
/// The GDI of a surface whose drawing is kept as shapes: every call goes to the
/// process-wide GdiTable, as the raster form's does, with GetSysColor answered from the
/// surface's system colours. While it records into a SurfaceShapes, a gradient fill or
/// block copy that succeeds on a context holding the surface's kept image (its hDC) is
/// also handed to those shapes (SurfaceShapes::Gradient, Copy).
#include "leddisplay/host/Gdi.h"

namespace led::platform {

class RasterSurface;
class SurfaceShapes;

/// The device-context calls of one surface, recorded as shapes when asked.
class VectorGdi : public host::Gdi {
 public:
  /// Recording into `shapes`, or nowhere while null; both must outlive this object.
  explicit VectorGdi(const RasterSurface& surface, SurfaceShapes* shapes = nullptr)
      : surface_(surface), shapes_(shapes) {}

  /// Where calls that draw on the surface are recorded from now on; null: nowhere.
  void RecordInto(SurfaceShapes* shapes) { shapes_ = shapes; }

  /// As GdiTable's.
  ///@{
  int32_t CreateCompatibleDC(int32_t hdc) override;
  int32_t SelectObject(int32_t hdc, int32_t object) override;
  int32_t DeleteDC(int32_t hdc) override;
  ///@}
  /// As GdiTable's, recorded when drawn on the surface.
  ///@{
  int32_t BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) override;
  int32_t GradientFill(int32_t hdc, std::span<const host::TriVertex> vertices,
                       std::span<const host::GradientMeshRect> mesh, uint32_t mode) override;
  ///@}
  /// The surface's system colour (RasterSurface::SystemColor).
  core::OleColor GetSysColor(int32_t index) override;

 private:
  /// Whether `hdc` holds the surface's kept image.
  bool OnSurface(int32_t hdc) const;

  const RasterSurface& surface_;
  SurfaceShapes* shapes_;
};

}  // namespace led::platform
