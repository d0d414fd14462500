#include "leddisplay/platform/raster/PixelKernels.h"

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

}  // namespace led::platform
