// Internal: not installed.
#pragma once
// The process-wide table of device contexts and bitmaps behind host::Gdi. Handles are
// positive, never 0, and never reused while the process runs (until the 31-bit counter
// wraps, when handles still in use are skipped). A bitmap is an Image shared with its
// owner: drawing through a device context changes the owner's image. Every call is
// guarded by one mutex; a bad handle or argument gives the failure result (0).
//
// Device contexts: a new one holds a 1x1 stock bitmap, which can be selected into any
// number of them and is never released. A bitmap may be selected into several contexts.
//
// GradientFill (rectangles only; vertex alpha is ignored, pixels are written opaque):
// the rectangle spans [left, right) x [top, bottom) between its two vertices. In mode 0
// (horizontal) the vertex with the smaller x gives the colour of column `left`, the
// other that of column right-1; in mode 1 (vertical) likewise by y for rows. A channel
// at step k of n = extent - 1 is the 16-bit value c0 + (c1 - c0) * k / n rounded to
// nearest (halves up), then its high byte; so both end lines carry exactly the high
// bytes of the vertex colours. A one-pixel extent takes the first colour.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "leddisplay/host/Gdi.h"
#include "leddisplay/platform/raster/Image.h"

namespace led::platform {

class GdiTable : public host::Gdi {
 public:
  static GdiTable& Instance();

  // How a bitmap's owner learns that the table is about to use its image: settle(covered)
  // runs, under the table's lock, before a call reads or writes the image; `covered` is
  // true when the call paints every pixel without reading any (a GradientFill whose
  // first rectangle covers the image), so that a fill the owner put off may be dropped.
  using Settle = std::function<void(bool covered)>;
  // Adds a bitmap; returns its handle.
  int32_t RegisterBitmap(std::shared_ptr<Image> image, Settle settle = {});
  // Forgets a bitmap; contexts still holding it fail from then on. Unknown handles and
  // the stock bitmap are ignored.
  void ReleaseBitmap(int32_t handle);
  // The image of a bitmap handle; null if unknown.
  std::shared_ptr<Image> BitmapOf(int32_t handle);
  // A new memory device context with `bitmap` selected; 0 if the bitmap is unknown.
  int32_t CreateBitmapDC(int32_t bitmap);
  // The bitmap selected into a context; 0 if the context is unknown.
  int32_t SelectedBitmap(int32_t hdc);
  int32_t StockBitmap() const { return stockBitmap_; }
  // The pixels of a destination of destWidth x destHeight that BitBlt(dest, x, y, width,
  // height, src, xSrc, ySrc) copies into: the block clipped so that its destination and
  // its source lie in their images. Empty (all 0) when nothing is copied.
  static PixelRect CopiedBlock(int32_t x, int32_t y, int32_t width, int32_t height, int32_t xSrc,
                               int32_t ySrc, int32_t destWidth, int32_t destHeight,
                               const Image& src);
  // One rectangle of GradientFill between vertices a and b: its pixels, and the vertex of
  // its first colour and of its last along the shading axis (see above).
  struct GradientRect {
    PixelRect area;
    host::TriVertex first, last;
  };
  static GradientRect OrderedGradient(const host::TriVertex& a, const host::TriVertex& b,
                                      bool horizontal);

  // hdc 0 stands for the screen; any other must be a live context.
  int32_t CreateCompatibleDC(int32_t hdc) override;
  int32_t SelectObject(int32_t hdc, int32_t object) override;
  int32_t BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) override;
  int32_t DeleteDC(int32_t hdc) override;
  int32_t GradientFill(int32_t hdc, std::span<const host::TriVertex> vertices,
                       std::span<const host::GradientMeshRect> mesh, uint32_t mode) override;
  core::OleColor GetSysColor(int32_t index) override;

 private:
  GdiTable();
  int32_t NextHandle();  // caller holds mutex_
  // The image selected into a context, settled (covered when `covers` says so of it);
  // caller holds mutex_; null if unusable.
  Image* TargetOf(int32_t hdc, const std::function<bool(const Image&)>& covers = {});
  void AddContext(int32_t hdc, int32_t bitmap);  // caller holds mutex_

  std::mutex mutex_;
  int32_t nextHandle_ = 0x100;
  int32_t stockBitmap_ = 0;
  std::unordered_map<int32_t, std::shared_ptr<Image>> bitmaps_;
  std::unordered_map<int32_t, Settle> settles_;    // bitmap -> its owner's, where given
  std::unordered_map<int32_t, int32_t> contexts_;  // context -> selected bitmap
  // The entry of the last deleted context, taken by the next new one: a context made
  // and deleted on every redraw (a transparent control's) then touches no heap.
  std::unordered_map<int32_t, int32_t>::node_type spareContext_;
};

}  // namespace led::platform
