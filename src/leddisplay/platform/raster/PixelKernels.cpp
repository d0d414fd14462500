#include "leddisplay/platform/raster/PixelKernels.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace led::platform {
namespace {

// The library is compiled for the baseline instruction set, whose widest store is 16
// bytes; where the processor has AVX2 a run is written 32 bytes at a time, which halves
// the stores of a clear.
#if defined(__x86_64__)
bool HasAvx2() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
}

[[gnu::target("avx2")]] void FillPixelsAvx2(Pixel* p, size_t n, Pixel value) {
  const __m256i v = _mm256_set1_epi32(static_cast<int>(value));
  size_t i = 0;
  for (; i + 32 <= n; i += 32) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i), v);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i + 8), v);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i + 16), v);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i + 24), v);
  }
  for (; i + 8 <= n; i += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i), v);
  if (i == n) return;
  if (n >= 8) {  // the last 8, overlapping pixels already written
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + n - 8), v);
    return;
  }
  for (; i < n; ++i) p[i] = value;
}
#endif

}  // namespace

void FillLongRun(Pixel* p, size_t n, Pixel value) {
#if defined(__x86_64__)
  if (HasAvx2()) return FillPixelsAvx2(p, n, value);
#endif
  for (size_t i = 0; i < n; ++i) p[i] = value;
}

void BlendPicture(Image& onto, const Image& picture) {
  const auto blend = [](Pixel src, Pixel dst) {
    const uint32_t a = src >> 24;
    if (a == 255) return src;
    if (a == 0) return dst | 0xFF000000u;
    Pixel out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
      out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
    }
    return out;
  };
  const int32_t width = std::min(onto.width, picture.width);
  const int32_t height = width > 0 ? std::min(onto.height, picture.height) : 0;
  for (int32_t y = 0; y < height; ++y) {
    const Pixel* src = picture.pixels.data() + size_t(y) * size_t(picture.width);
    Pixel* dst = &onto.at(0, y);
    for (int32_t x = 0; x < width; ++x) dst[x] = blend(src[x], dst[x]);
  }
}

}  // namespace led::platform
