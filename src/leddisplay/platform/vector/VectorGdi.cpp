#include "leddisplay/platform/vector/VectorGdi.h"

#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/vector/SurfaceShapes.h"

namespace led::platform {

namespace {

GdiTable& Table() {
  return GdiTable::Instance();
}

}  // namespace

bool VectorGdi::OnSurface(int32_t hdc) const {
  return Table().BitmapOf(Table().SelectedBitmap(hdc)).get() == &surface_.Inner();
}

int32_t VectorGdi::CreateCompatibleDC(int32_t hdc) {
  return Table().CreateCompatibleDC(hdc);
}

int32_t VectorGdi::SelectObject(int32_t hdc, int32_t object) {
  return Table().SelectObject(hdc, object);
}

int32_t VectorGdi::BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                          int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) {
  const int32_t done = Table().BitBlt(hdcDest, x, y, width, height, hdcSrc, xSrc, ySrc, rop);
  if (done != 0 && shapes_ && OnSurface(hdcDest)) {
    const std::shared_ptr<Image> source = Table().BitmapOf(Table().SelectedBitmap(hdcSrc));
    if (source) shapes_->Copy(x, y, width, height, xSrc, ySrc, *source);
  }
  return done;
}

int32_t VectorGdi::DeleteDC(int32_t hdc) {
  return Table().DeleteDC(hdc);
}

int32_t VectorGdi::GradientFill(int32_t hdc, std::span<const host::TriVertex> vertices,
                                std::span<const host::GradientMeshRect> mesh, uint32_t mode) {
  const int32_t done = Table().GradientFill(hdc, vertices, mesh, mode);
  if (done != 0 && shapes_ && OnSurface(hdc)) shapes_->Gradient(vertices, mesh, mode);
  return done;
}

core::OleColor VectorGdi::GetSysColor(int32_t index) {
  return surface_.SystemColor(index);
}

}  // namespace led::platform
