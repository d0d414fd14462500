// The composed frame a toolkit host paints: a display with both captions (197 x 82
// pixels) composed anew on every call (Form::Snapshot), kept between calls while nothing
// changed (Form::Frame), and composed after a new value (Frame after SetValue, the render
// pass included, beside the pass alone).
#include <benchmark/benchmark.h>

#include "leddisplay/platform/kit/FormHost.h"

namespace {

using led::platform::kit::FormHost;

// A display with both captions, placed at its auto-sized extent.
struct Captioned {
  Captioned() {
    host.Control().SetCaptionUpper("Supply");
    host.Control().SetCaptionLow("volts");
    host.Control().SetAutoSize(led::core::kTrue);
    host.Place(host.NaturalSize(), 1, false);
  }
  FormHost host;
};

void Snapshot(benchmark::State& state) {
  Captioned shown;
  for (auto _ : state) benchmark::DoNotOptimize(shown.host.GetForm().Snapshot().pixels.data());
  state.counters["width"] = shown.host.Placed().extent.width;
  state.counters["height"] = shown.host.Placed().extent.height;
}
BENCHMARK(Snapshot)->Unit(benchmark::kMicrosecond);

void KeptFrame(benchmark::State& state) {
  Captioned shown;
  for (auto _ : state) benchmark::DoNotOptimize(shown.host.Frame().pixels.data());
}
BENCHMARK(KeptFrame)->Unit(benchmark::kMicrosecond);

void NewValueThenFrame(benchmark::State& state) {
  Captioned shown;
  double value = 0;
  for (auto _ : state) {
    shown.host.Control().SetValue(value += 0.001);
    benchmark::DoNotOptimize(shown.host.Frame().pixels.data());
  }
}
BENCHMARK(NewValueThenFrame)->Unit(benchmark::kMicrosecond);

void NewValueOnly(benchmark::State& state) {
  Captioned shown;
  double value = 0;
  for (auto _ : state) shown.host.Control().SetValue(value += 0.001);
}
BENCHMARK(NewValueOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
