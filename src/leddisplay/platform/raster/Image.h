#pragma once
/// @file
/// A raster image: one native-endian 32-bit word per pixel, 0xAARRGGBB (alpha in the
/// high byte, blue in the low one), rows top to bottom. This is the pixel of Qt's
/// Format_RGB32 and ARGB32 (unpremultiplied), Cairo and pixman, so those draw the rows
/// as they are; PNG files are converted at reading and writing.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace led::platform {

/// One pixel, 0xAARRGGBB.
using Pixel = uint32_t;

/// A pixel from its channels, 0..255 each; opaque unless `a` says otherwise.
constexpr Pixel MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  return (Pixel{a} << 24) | (Pixel{r} << 16) | (Pixel{g} << 8) | Pixel{b};
}
/// A colour as stored in an OleColor (red in bits 0-7, blue in 16-23) as an opaque pixel.
constexpr Pixel OpaquePixel(uint32_t rgb) {
  return 0xFF000000u | ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

/// A rectangle of pixels: columns left to right - 1, rows top to bottom - 1.
struct PixelRect {
  /// The edges: left and top inside, right and bottom just past the rectangle.
  ///@{
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  ///@}
  /// Equal when all four edges are.
  bool operator==(const PixelRect&) const = default;
};
/// Every pixel there is; drawing clips it to the image.
inline constexpr PixelRect kAnywhere{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

/// A width x height image owning its pixels, rows top to bottom.
struct Image {
  /// The size in pixels.
  ///@{
  int32_t width = 0;
  int32_t height = 0;
  ///@}
  std::vector<Pixel> pixels;  ///< width * height

  Image() = default;
  /// A w x h image (neither negative) with every pixel `fill`.
  Image(int32_t w, int32_t h, Pixel fill = 0)
      : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  /// The pixel at column x, row y, which must lie in the image (unchecked).
  ///@{
  Pixel& at(int32_t x, int32_t y) { return pixels[std::size_t(y) * width + x]; }
  Pixel at(int32_t x, int32_t y) const { return pixels[std::size_t(y) * width + x]; }
  ///@}
  /// Whether column x, row y lies in the image.
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

}  // namespace led::platform
