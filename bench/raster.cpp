// Raster surface drawing beside plain-memory baselines over the same buffer: Cls against
// wmemset, short horizontal and vertical lines against the same spans written directly.
// Span lengths are run-time arguments for both, as a direct writer would not know them.
#include <benchmark/benchmark.h>

#include <cwchar>

#include "leddisplay/platform/raster/RasterSurface.h"

namespace {

using led::platform::OpaquePixel;
using led::platform::Pixel;
using led::platform::RasterSurface;

constexpr int32_t kWidth = 400, kHeight = 150;

// A surface of kWidth x kHeight pixels with a back colour.
RasterSurface& Surface() {
  static RasterSurface surface;
  static const bool ready = [] {
    surface.SetExtentPixels(kWidth, kHeight);
    surface.SetBackColor(0x204060);
    return true;
  }();
  (void)ready;
  return surface;
}

// The surface's own buffer, written without going through the surface.
Pixel* Buffer() {
  return const_cast<Pixel*>(Surface().Inner().pixels.data());
}

void ClsSurface(benchmark::State& state) {
  RasterSurface& surface = Surface();
  for (auto _ : state) {
    surface.Cls();
    benchmark::ClobberMemory();
  }
}

// wmemset (wchar_t is 32 bits here): the C library's widest fill.
void Fill(Pixel* p, size_t n, Pixel value) {
  static_assert(sizeof(wchar_t) == sizeof(Pixel));
  std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(value), n);
}

void ClsBaselineFill(benchmark::State& state) {
  Pixel* buffer = Buffer();
  for (auto _ : state) {
    Fill(buffer, size_t(kWidth) * kHeight, OpaquePixel(0x204060));
    benchmark::ClobberMemory();
  }
}

void HorizontalLine(benchmark::State& state) {
  const int32_t span = int32_t(state.range(0));
  RasterSurface& surface = Surface();
  int32_t y = 0;
  for (auto _ : state) {
    surface.Line(10, float(y), 10 + span - 1, float(y), 0xC0C0FF);
    y = (y + 1) % kHeight;
    benchmark::ClobberMemory();
  }
}

void HorizontalBaselineSpan(benchmark::State& state) {
  const int32_t span = int32_t(state.range(0));
  Pixel* buffer = Buffer();
  int32_t y = 0;
  for (auto _ : state) {
    Fill(buffer + size_t(y) * kWidth + 10, span, OpaquePixel(0xC0C0FF));
    y = (y + 1) % kHeight;
    benchmark::ClobberMemory();
  }
}

void VerticalLine(benchmark::State& state) {
  const int32_t span = int32_t(state.range(0));
  RasterSurface& surface = Surface();
  int32_t x = 0;
  for (auto _ : state) {
    surface.Line(float(x), 10, float(x), 10 + span - 1, 0xC0C0FF);
    x = (x + 1) % kWidth;
    benchmark::ClobberMemory();
  }
}

void VerticalBaselineSpan(benchmark::State& state) {
  const int32_t span = int32_t(state.range(0));
  Pixel* buffer = Buffer();
  int32_t x = 0;
  for (auto _ : state) {
    Pixel* p = buffer + size_t(10) * kWidth + x;
    for (int32_t i = 0; i < span; ++i, p += kWidth) *p = OpaquePixel(0xC0C0FF);
    x = (x + 1) % kWidth;
    benchmark::ClobberMemory();
  }
}

void SlopedLine(benchmark::State& state) {
  const int32_t span = int32_t(state.range(0));
  RasterSurface& surface = Surface();
  int32_t y = 0;
  for (auto _ : state) {
    surface.Line(10, float(y), 10 + span - 1, float(y + 6), 0xC0C0FF);
    y = (y + 1) % (kHeight - 7);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(ClsSurface);
BENCHMARK(ClsBaselineFill);
BENCHMARK(HorizontalLine)->Arg(8)->Arg(24)->Arg(100);
BENCHMARK(HorizontalBaselineSpan)->Arg(8)->Arg(24)->Arg(100);
BENCHMARK(VerticalLine)->Arg(8)->Arg(24)->Arg(100);
BENCHMARK(VerticalBaselineSpan)->Arg(8)->Arg(24)->Arg(100);
BENCHMARK(SlopedLine)->Arg(8)->Arg(24)->Arg(100);

}  // namespace
