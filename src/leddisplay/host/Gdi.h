#pragma once
/// @file
/// The subset of the platform's device-context calls the control uses. Like the
/// system calls they stand for, they report failure through their result (0), never
/// by throwing.
#include <cstdint>
#include <span>

#include "leddisplay/core/OleColor.h"

namespace led::host {

/// A gradient vertex: position and 16-bit colour channels (8-bit component << 8).
struct TriVertex {
  int32_t x = 0;       ///< in device pixels
  int32_t y = 0;       ///< in device pixels
  uint16_t red = 0;    ///< colour channel
  uint16_t green = 0;  ///< colour channel
  uint16_t blue = 0;   ///< colour channel
  uint16_t alpha = 0;  ///< unused by rectangle fills
};

/// A rectangle of a gradient mesh: indices of its upper-left and lower-right vertices.
struct GradientMeshRect {
  uint32_t upperLeft = 0;   ///< vertex index
  uint32_t lowerRight = 0;  ///< vertex index
};

/// The raster operation BitBlt supports: copy the source.
inline constexpr uint32_t kSrcCopy = 0x00CC0020;
/// GradientFill mode: each rectangle shaded left to right.
inline constexpr uint32_t kGradientFillRectH = 0;
/// GradientFill mode: each rectangle shaded top to bottom.
inline constexpr uint32_t kGradientFillRectV = 1;

/// The device-context calls: memory contexts, block copies, gradient fills.
class Gdi {
 public:
  virtual ~Gdi() = default;

  /// A new memory device context like `hdc`; 0 on failure.
  virtual int32_t CreateCompatibleDC(int32_t hdc) = 0;
  /// Selects a bitmap into a memory context; returns the bitmap held before, 0 on failure.
  virtual int32_t SelectObject(int32_t hdc, int32_t object) = 0;
  /// Copies a block, clipped to source and destination; non-zero on success.
  virtual int32_t BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                         int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) = 0;
  /// Non-zero on success.
  virtual int32_t DeleteDC(int32_t hdc) = 0;
  /// Fills rectangles shaded between their vertex colours; non-zero on success.
  virtual int32_t GradientFill(int32_t hdc, std::span<const TriVertex> vertices,
                               std::span<const GradientMeshRect> mesh, uint32_t mode) = 0;
  /// The current RGB value of a system colour; 0 for an unknown index.
  virtual core::OleColor GetSysColor(int32_t index) = 0;
};

}  // namespace led::host
