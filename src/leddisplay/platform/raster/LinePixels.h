// Internal: not installed.
#pragma once
// The raster pixel rule of a one-pixel line (RasterSurface.h states it): its ends rounded
// to pixels, and the pixels between them. The raster surface paints by it and the vector
// surface records by it, so both cover the same pixels.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/host/Surface.h"

namespace led::platform {

// Ends beyond +-2^31 pixels (or NaN) cannot be rounded to a pixel.
inline bool Representable(double v) {
  return v >= -2147483648.0 && v <= 2147483647.0;
}

// A line end in pixels, rounded to nearest with halves up (toward +infinity), so that
// lines one unit apart land on adjacent pixels wherever they start (a stroke drawn as
// lines at y - 1, y, y + 1 from a centre on a half pixel has no gap). Inline: lines are
// short and many, so a call would cost as much as the pixels. The conversion
// instruction rounds to nearest with halves to even (the default mode); a half it took
// down is taken up.
inline int64_t RoundToPixel(double value) {
#if defined(__SSE2__)
  const int64_t even = _mm_cvtsd_si64(_mm_set_sd(value));
#else
  const int64_t even = int64_t(core::RoundHalfEven(value));
#endif
  return even + (value - double(even) == 0.5 ? 1 : 0);
}

// Four line ends in pixels, rounded; false when one is not representable.
inline bool RoundEnds(const double (&e)[4], std::array<int32_t, 4>& ends) {
  for (double v : e)
    if (!Representable(v)) return false;
  for (int i = 0; i < 4; ++i) ends[i] = int32_t(RoundToPixel(e[i]));
  return true;
}

// The ends of a line given in pixels, rounded to pixels; false when one is not
// representable. All four are checked and converted at once: lines are many and short,
// and a conversion through double would cost as much as the pixels.
inline bool PixelEnds(const host::LineCall& l, std::array<int32_t, 4>& ends) {
#if defined(__SSE2__)
  // The four ends lie side by side: one load. Floats below 2^31 are at most
  // 2^31 - 128, so the float bounds are the double ones.
  static_assert(offsetof(host::LineCall, y2) == 3 * sizeof(float));
  const __m128 v = _mm_loadu_ps(&l.x1);
  const __m128 inRange = _mm_and_ps(_mm_cmpge_ps(v, _mm_set1_ps(-2147483648.0f)),
                                    _mm_cmplt_ps(v, _mm_set1_ps(2147483648.0f)));
  if (_mm_movemask_ps(inRange) != 0xF) return false;
  // Rounded with halves to even, then the halves taken down are taken up (RoundToPixel;
  // the difference from the rounded value is exact). Halves are rare (the render pass
  // draws whole pixels but for its sign): a branch taken for them keeps the common ends
  // off the correction's chain of instructions. Taken out of the register one by one: a
  // store and four loads would wait on the store.
  __m128i e = _mm_cvtps_epi32(v);
  const __m128 downHalf = _mm_cmpeq_ps(_mm_sub_ps(v, _mm_cvtepi32_ps(e)), _mm_set1_ps(0.5f));
  if (_mm_movemask_ps(downHalf) != 0) [[unlikely]]
    e = _mm_sub_epi32(e, _mm_castps_si128(downHalf));
  ends = {_mm_cvtsi128_si32(e), _mm_cvtsi128_si32(_mm_shuffle_epi32(e, 1)),
          _mm_cvtsi128_si32(_mm_shuffle_epi32(e, 2)), _mm_cvtsi128_si32(_mm_shuffle_epi32(e, 3))};
  return true;
#else
  const double e[4] = {l.x1, l.y1, l.x2, l.y2};
  return RoundEnds(e, ends);
#endif
}

// The ends of a line in a scale of kx by ky pixels per unit, rounded to pixels; false
// when one is not representable.
[[gnu::noinline]] inline bool ScaledEnds(const host::LineCall& l, double kx, double ky,
                                         std::array<int32_t, 4>& ends) {
  const double e[4] = {l.x1 * kx, l.y1 * ky, l.x2 * kx, l.y2 * ky};
  return RoundEnds(e, ends);
}

// Walks the line between two pixel ends (see the header for the rule) and calls
// plot(x, y) for each pixel inside the inclusive clip ranges.
template <class Plot>
inline void Rasterize(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t clipX0,
                      int64_t clipX1, int64_t clipY0, int64_t clipY1, Plot&& plot) {
  const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
  int64_t a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
  int64_t a1 = xMajor ? x1 : y1, b1 = xMajor ? y1 : x1;
  const int64_t aLow = xMajor ? clipX0 : clipY0, aHigh = xMajor ? clipX1 : clipY1;
  const int64_t bLow = xMajor ? clipY0 : clipX0, bHigh = xMajor ? clipY1 : clipX1;
  if (a1 < a0) {
    std::swap(a0, a1);
    std::swap(b0, b1);
  }
  const int64_t n = a1 - a0, d = b1 - b0;
  const int64_t start = std::max(a0, aLow), end = std::min(a1, aHigh);
  if (start > end) return;
  if (n == 0) {
    if (b0 >= bLow && b0 <= bHigh) plot(x0, y0);
    return;
  }
  // b at step i is b0 + floor((2 i d + n) / 2n); q and r hold that quotient and its
  // remainder for the current step, updated by 2d per step (|2d| <= 2n).
  const int64_t den = 2 * n;
  const __int128 num = __int128{2} * (start - a0) * d + n;
  __int128 q = num / den, r = num % den;
  if (r < 0) {
    r += den;
    --q;
  }
  int64_t b = b0 + int64_t(q), rem = int64_t(r);
  for (int64_t a = start; a <= end; ++a) {
    if (b >= bLow && b <= bHigh) {
      if (xMajor)
        plot(a, b);
      else
        plot(b, a);
    }
    rem += 2 * d;
    if (rem >= den) {
      rem -= den;
      ++b;
    } else if (rem < 0) {
      rem += den;
      --b;
    }
  }
}

}  // namespace led::platform
