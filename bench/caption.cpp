// Drawing a caption label onto a control-sized image: a short caption at the default
// size, and a long one-line caption in a large font of which only the first glyphs
// fall on the image (the rest lie to its right).
#include <benchmark/benchmark.h>

#include <string>

#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/platform/text/TextLabel.h"

namespace {

using led::platform::Image;
using led::platform::RasterSurface;
using led::platform::StdFont;
using led::platform::TextLabel;

void Caption(benchmark::State& state, const std::string& caption, double points) {
  RasterSurface surface;
  TextLabel label(surface, caption);
  label.SetFont(StdFont::Create("DejaVu Sans", points));
  Image image(640, 480, led::platform::OpaquePixel(0xFFFFFF));
  label.PixelWidth();  // measured once, as a shown label is
  for (auto _ : state) {
    label.DrawOnto(image, 0, 0);
    benchmark::DoNotOptimize(image.pixels.data());
  }
}

void BM_ShortCaption(benchmark::State& state) {
  Caption(state, "Speed (rpm)", 8);
}
BENCHMARK(BM_ShortCaption)->Unit(benchmark::kMicrosecond);

void BM_LongCaptionLargeFont(benchmark::State& state) {
  Caption(state, std::string(static_cast<size_t>(state.range(0)), 'W'), 1536);
}
BENCHMARK(BM_LongCaptionLargeFont)->Arg(20)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
