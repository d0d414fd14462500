// Internal: not installed.
#pragma once
// What reading and writing PNG data with libpng share: the error for bad data and the
// layout of our pixels in memory.
#include <png.h>

#include <bit>
#include <string>

#include "leddisplay/core/RuntimeError.h"

namespace led::platform {

// 481 "Invalid picture", naming the data's source or destination and the problem.
[[noreturn]] inline void ThrowInvalidPng(const std::string& source, const std::string& problem) {
  throw core::RuntimeError(core::kInvalidPicture, "Invalid picture: " + source + ": " + problem);
}

// Makes libpng's rows (R, G, B, A bytes in the file) our Pixel layout, 0xAARRGGBB
// words: in memory B, G, R, A on a little-endian machine, A, R, G, B on a big-endian one.
inline void UsePixelLayout(png_structp png) {
  if constexpr (std::endian::native == std::endian::big)
    png_set_swap_alpha(png);
  else
    png_set_bgr(png);
}

}  // namespace led::platform
