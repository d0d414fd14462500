#pragma once
/// @file
/// The GDI of a vector surface: every call goes to the process-wide GdiTable, as the
/// raster form's does, with GetSysColor answered from the surface's system colours. A
/// gradient fill or block copy that succeeds on a context holding the surface's kept
/// image is also recorded on the surface (VectorSurface::RecordGradient, RecordCopy).
#include "leddisplay/host/Gdi.h"

namespace led::platform {

class VectorSurface;

/// The device-context calls of one vector surface.
class VectorGdi : public host::Gdi {
 public:
  /// `surface` must outlive this object.
  explicit VectorGdi(VectorSurface& surface) : surface_(surface) {}

  /// As GdiTable's.
  ///@{
  int32_t CreateCompatibleDC(int32_t hdc) override;
  int32_t SelectObject(int32_t hdc, int32_t object) override;
  int32_t DeleteDC(int32_t hdc) override;
  ///@}
  /// As GdiTable's, recorded on the surface when drawn on it.
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

  VectorSurface& surface_;
};

}  // namespace led::platform
