// Internal: not installed.
#pragma once
// Loops over runs of pixels that drawing spends its time in, written for the widest
// stores the processor running the program offers.
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "leddisplay/platform/raster/Image.h"

namespace led::platform {

// Sets n pixels from p on to `value`, 32 bytes at a time where the processor has AVX2.
void FillLongRun(Pixel* p, size_t n, Pixel value);

// Draws `picture` at the top-left of `onto`, clipped to both: each of its pixels blended
// over the one there by its alpha (rounded to nearest), the result opaque. Cls draws a
// surface's picture so, and the shapes of a cleared surface take its pixels from here.
void BlendPicture(Image& onto, const Image& picture);

// Sets n pixels from p on to `value`. Runs as short as a segment's line are written
// here, with 16-byte stores, without the call and the processor check of a long one.
inline void FillPixels(Pixel* p, size_t n, Pixel value) {
#if defined(__SSE2__)
  if (n >= 4 && n <= 32) {
    const __m128i v = _mm_set1_epi32(static_cast<int>(value));
    for (size_t i = 0; i + 4 < n; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + n - 4), v);  // the last 4, overlapping
    return;
  }
#endif
  if (n < 4) {  // one to three pixels, without a branch on the count
    if (n != 0) p[0] = p[n / 2] = p[n - 1] = value;
    return;
  }
  if (n < 8) {
    for (size_t i = 0; i < n; ++i) p[i] = value;
    return;
  }
  FillLongRun(p, n, value);
}

}  // namespace led::platform
