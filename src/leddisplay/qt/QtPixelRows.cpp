#include "leddisplay/qt/QtPixelRows.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "leddisplay/platform/raster/Processor.h"

namespace led::qt {

namespace {

constexpr uint32_t Swap(uint32_t p) {
  return 0xFF000000u | (p & 0x0000FF00u) | ((p & 0xFFu) << 16) | ((p >> 16) & 0xFFu);
}

void SwapRow(const uint32_t* in, uint32_t* out, int32_t n) {
  for (int32_t i = 0; i < n; ++i) out[i] = Swap(in[i]);
}

// A panel repaints every display on each change, so this runs once per update over the
// whole image: eight pixels per shuffle where the processor has AVX2.
#if defined(__x86_64__)
[[gnu::target("avx2")]] void SwapRowAvx2(const uint32_t* in, uint32_t* out, int32_t n) {
  const __m256i order = _mm256_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15, 2, 1,
                                         0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
  const __m256i opaque = _mm256_set1_epi32(int(0xFF000000u));
  int32_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                        _mm256_or_si256(_mm256_shuffle_epi8(p, order), opaque));
  }
  SwapRow(in + i, out + i, n - i);
}
#endif

}  // namespace

void CopyToQtRows(const platform::Image& from, QImage& to, int32_t x, int32_t y) {
  if (from.width <= 0 || from.height <= 0) return;
  auto* const bits = to.bits();  // detaches once, not once per row
  const qsizetype stride = to.bytesPerLine();
  auto swap = SwapRow;
#if defined(__x86_64__)
  if (platform::HasAvx2()) swap = SwapRowAvx2;
#endif
  for (int32_t row = 0; row < from.height; ++row) {
    auto* out = reinterpret_cast<uint32_t*>(bits + (y + row) * stride) + x;
    swap(from.pixels.data() + size_t(row) * size_t(from.width), out, from.width);
  }
}

}  // namespace led::qt
