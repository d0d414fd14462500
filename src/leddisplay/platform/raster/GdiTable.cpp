#include "leddisplay/platform/raster/GdiTable.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

#include "leddisplay/platform/raster/PixelKernels.h"
#include "leddisplay/platform/raster/SystemColors.h"

namespace led::platform {
namespace {

constexpr int32_t kFirstHandle = 0x100;

bool IsConsistent(const Image& image) {
  return image.width >= 0 && image.height >= 0 &&
         image.pixels.size() == size_t(image.width) * size_t(image.height);
}

// The colour between two vertices at steps k, k + 1, ... of n (see the header): each
// channel is floor((2 (c0 n + (c1 - c0) k) + n) / 2n), kept as quotient and remainder
// and advanced by adding, so that a row or column costs no division.
class GradientSteps {
 public:
  GradientSteps(const host::TriVertex& a, const host::TriVertex& b, int64_t k, int64_t n)
      : den_(n == 0 ? 1 : 2 * n) {
    const uint16_t from[3] = {a.red, a.green, a.blue}, to[3] = {b.red, b.green, b.blue};
    for (int i = 0; i < 3; ++i) {
      Channel& c = channels_[i];
      if (n == 0) {  // one line: the first colour
        c = {from[i], 0, 0, 0};
        continue;
      }
      // 0 <= k <= n, so the numerator is not negative; the step may be.
      const int64_t num = 2 * (int64_t{from[i]} * n + (int64_t{to[i]} - from[i]) * k) + n;
      const int64_t step = 2 * (int64_t{to[i]} - from[i]);
      int64_t dq = step / den_, dr = step % den_;
      if (dr < 0) {
        dr += den_;
        --dq;
      }
      c = {num / den_, num % den_, dq, dr};
    }
  }

  Pixel Current() const {
    return MakePixel(uint8_t(channels_[0].q >> 8), uint8_t(channels_[1].q >> 8),
                     uint8_t(channels_[2].q >> 8));
  }

  void Next() {
    for (Channel& c : channels_) {
      c.q += c.dq;
      c.r += c.dr;
      if (c.r >= den_) {
        c.r -= den_;
        ++c.q;
      }
    }
  }

 private:
  struct Channel {
    int64_t q, r, dq, dr;  // value and remainder; their change per step
  };
  int64_t den_;
  std::array<Channel, 3> channels_;
};

}  // namespace

GdiTable& GdiTable::Instance() {
  static GdiTable table;
  return table;
}

GdiTable::GdiTable() {
  stockBitmap_ = NextHandle();
  bitmaps_[stockBitmap_] = std::make_shared<Image>(1, 1, MakePixel(0, 0, 0));
}

int32_t GdiTable::NextHandle() {
  for (;;) {
    const int32_t handle = nextHandle_;
    nextHandle_ =
        nextHandle_ == std::numeric_limits<int32_t>::max() ? kFirstHandle : nextHandle_ + 1;
    if (!bitmaps_.contains(handle) && !contexts_.contains(handle)) return handle;
  }
}

int32_t GdiTable::RegisterBitmap(std::shared_ptr<Image> image, Settle settle) {
  if (!image) return 0;
  std::lock_guard lock(mutex_);
  const int32_t handle = NextHandle();
  bitmaps_[handle] = std::move(image);
  if (settle) settles_[handle] = std::move(settle);
  return handle;
}

void GdiTable::ReleaseBitmap(int32_t handle) {
  std::lock_guard lock(mutex_);
  if (handle == stockBitmap_) return;
  bitmaps_.erase(handle);
  settles_.erase(handle);
}

std::shared_ptr<Image> GdiTable::BitmapOf(int32_t handle) {
  std::lock_guard lock(mutex_);
  const auto it = bitmaps_.find(handle);
  if (it == bitmaps_.end()) return nullptr;
  if (const auto settle = settles_.find(handle); settle != settles_.end()) settle->second(false);
  return it->second;
}

int32_t GdiTable::CreateBitmapDC(int32_t bitmap) {
  std::lock_guard lock(mutex_);
  if (!bitmaps_.contains(bitmap)) return 0;
  const int32_t hdc = NextHandle();
  AddContext(hdc, bitmap);
  return hdc;
}

int32_t GdiTable::SelectedBitmap(int32_t hdc) {
  std::lock_guard lock(mutex_);
  const auto it = contexts_.find(hdc);
  return it == contexts_.end() ? 0 : it->second;
}

int32_t GdiTable::CreateCompatibleDC(int32_t hdc) {
  std::lock_guard lock(mutex_);
  if (hdc != 0 && !contexts_.contains(hdc)) return 0;
  const int32_t created = NextHandle();
  AddContext(created, stockBitmap_);
  return created;
}

int32_t GdiTable::SelectObject(int32_t hdc, int32_t object) {
  std::lock_guard lock(mutex_);
  const auto context = contexts_.find(hdc);
  if (context == contexts_.end() || !bitmaps_.contains(object)) return 0;
  return std::exchange(context->second, object);
}

int32_t GdiTable::DeleteDC(int32_t hdc) {
  std::lock_guard lock(mutex_);
  auto entry = contexts_.extract(hdc);
  if (entry.empty()) return 0;
  spareContext_ = std::move(entry);
  return 1;
}

void GdiTable::AddContext(int32_t hdc, int32_t bitmap) {
  if (spareContext_.empty()) {
    contexts_.emplace(hdc, bitmap);
    return;
  }
  spareContext_.key() = hdc;
  spareContext_.mapped() = bitmap;
  contexts_.insert(std::move(spareContext_));
}

Image* GdiTable::TargetOf(int32_t hdc, const std::function<bool(const Image&)>& covers) {
  const auto context = contexts_.find(hdc);
  if (context == contexts_.end()) return nullptr;
  const auto bitmap = bitmaps_.find(context->second);
  if (bitmap == bitmaps_.end() || !IsConsistent(*bitmap->second)) return nullptr;
  Image* image = bitmap->second.get();
  if (const auto settle = settles_.find(context->second); settle != settles_.end())
    settle->second(covers && covers(*image));
  return image;
}

PixelRect GdiTable::CopiedBlock(int32_t x, int32_t y, int32_t width, int32_t height, int32_t xSrc,
                                int32_t ySrc, int32_t destWidth, int32_t destHeight,
                                const Image& src) {
  // 64-bit, so that no offset overflows; block-relative until the end.
  const int64_t left = std::max({int64_t{0}, -int64_t{x}, -int64_t{xSrc}});
  const int64_t top = std::max({int64_t{0}, -int64_t{y}, -int64_t{ySrc}});
  const int64_t right =
      std::min({int64_t{width}, int64_t{destWidth} - x, int64_t{src.width} - xSrc});
  const int64_t bottom =
      std::min({int64_t{height}, int64_t{destHeight} - y, int64_t{src.height} - ySrc});
  if (left >= right || top >= bottom) return {};
  return {int32_t(x + left), int32_t(y + top), int32_t(x + right), int32_t(y + bottom)};
}

int32_t GdiTable::BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                         int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) {
  std::lock_guard lock(mutex_);
  if (rop != host::kSrcCopy || width < 0 || height < 0) return 0;
  Image* dest = TargetOf(hdcDest);
  const Image* src = TargetOf(hdcSrc);
  if (!dest || !src) return 0;

  const PixelRect copied =
      CopiedBlock(x, y, width, height, xSrc, ySrc, dest->width, dest->height, *src);
  if (copied.left >= copied.right || copied.top >= copied.bottom) return 1;
  // Block-relative bounds from here on.
  const int64_t left = int64_t{copied.left} - x, right = int64_t{copied.right} - x;
  const int64_t top = int64_t{copied.top} - y, bottom = int64_t{copied.bottom} - y;

  const size_t span = size_t(right - left);
  const auto copyRow = [&](const Pixel* from, int64_t row) {
    std::copy_n(from, span, &dest->at(int32_t(x + left), int32_t(y + row)));
  };
  if (dest == src) {
    // Same image: copy the block out first so overlapping areas read the old pixels.
    std::vector<Pixel> block;
    block.reserve(span * size_t(bottom - top));
    for (int64_t row = top; row < bottom; ++row) {
      const Pixel* from =
          src->pixels.data() + (size_t(ySrc + row) * size_t(src->width) + size_t(xSrc + left));
      block.insert(block.end(), from, from + span);
    }
    for (int64_t row = top; row < bottom; ++row)
      copyRow(block.data() + size_t(row - top) * span, row);
  } else {
    for (int64_t row = top; row < bottom; ++row)
      copyRow(src->pixels.data() + (size_t(ySrc + row) * size_t(src->width) + size_t(xSrc + left)),
              row);
  }
  return 1;
}

GdiTable::GradientRect GdiTable::OrderedGradient(const host::TriVertex& a, const host::TriVertex& b,
                                                 bool horizontal) {
  // The vertex nearer the origin along the shading axis gives the first colour.
  const bool swap = horizontal ? b.x < a.x : b.y < a.y;
  return {{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)},
          swap ? b : a,
          swap ? a : b};
}

int32_t GdiTable::GradientFill(int32_t hdc, std::span<const host::TriVertex> vertices,
                               std::span<const host::GradientMeshRect> mesh, uint32_t mode) {
  std::lock_guard lock(mutex_);
  if (mode != host::kGradientFillRectH && mode != host::kGradientFillRectV) return 0;
  for (const host::GradientMeshRect& rect : mesh)
    if (rect.upperLeft >= vertices.size() || rect.lowerRight >= vertices.size()) return 0;
  // The first rectangle paints every pixel it covers: covering the image, nothing of what
  // was there before shows.
  const auto covers = [&](const Image& target) {
    if (mesh.empty()) return false;
    const PixelRect area =
        OrderedGradient(vertices[mesh[0].upperLeft], vertices[mesh[0].lowerRight], false).area;
    return area.left <= 0 && area.top <= 0 && area.right >= target.width &&
           area.bottom >= target.height;
  };
  Image* image = TargetOf(hdc, covers);
  if (!image) return 0;

  const bool horizontal = mode == host::kGradientFillRectH;
  for (const host::GradientMeshRect& rect : mesh) {
    const GradientRect g =
        OrderedGradient(vertices[rect.upperLeft], vertices[rect.lowerRight], horizontal);
    const host::TriVertex *a = &g.first, *b = &g.last;
    const int64_t left = g.area.left, right = g.area.right;
    const int64_t top = g.area.top, bottom = g.area.bottom;
    const int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min<int64_t>(right, image->width);
    const int64_t y0 = std::max<int64_t>(top, 0), y1 = std::min<int64_t>(bottom, image->height);
    if (x0 >= x1 || y0 >= y1) continue;

    if (horizontal) {
      // Every row is the same: build one, copy it down.
      const int64_t n = right - left - 1;
      Pixel* first = &image->at(int32_t(x0), int32_t(y0));
      GradientSteps colour(*a, *b, x0 - left, n);
      for (int64_t px = x0; px < x1; ++px, colour.Next()) first[px - x0] = colour.Current();
      for (int64_t py = y0 + 1; py < y1; ++py)
        std::copy_n(first, size_t(x1 - x0), &image->at(int32_t(x0), int32_t(py)));
    } else {
      const int64_t n = bottom - top - 1;
      GradientSteps colour(*a, *b, y0 - top, n);
      for (int64_t py = y0; py < y1; ++py, colour.Next())
        FillPixels(&image->at(int32_t(x0), int32_t(py)), size_t(x1 - x0), colour.Current());
    }
  }
  return 1;
}

core::OleColor GdiTable::GetSysColor(int32_t index) {
  return SystemColor(index);
}

}  // namespace led::platform
