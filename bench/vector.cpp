// Writing a display's snapshot as SVG and PDF (shapes kept by the vector form, encoded by
// Cairo in memory) against the PNG snapshot (composed image, encoded by libpng), for the
// starting state and for 12 digits; each reports its file's size as `bytes`. Then the
// render pass alone on the raster form (pixels) and on the vector form (shapes, no pixels).
#include <benchmark/benchmark.h>

#include <memory>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/cairo/VectorFile.h"
#include "leddisplay/platform/cairo/VectorForm.h"
#include "leddisplay/platform/io/Png.h"

namespace {

using led::platform::SnapshotFormat;

enum Display : int64_t { kStarting, kTwelveDigits };

// A shown control on a form of type F.
template <class F>
struct Shown {
  explicit Shown(int64_t display) : control(form.Host()) {
    form.OnResize([this] { control.Resize(); });
    form.Surface().SetWidth(2595);
    form.Surface().SetHeight(945);
    control.InitProperties();
    if (display == kTwelveDigits) {
      control.SetAutoSize(led::core::kTrue);
      control.SetDigits(12);
      control.SetDecimals(4);
      control.SetValue(-1234567.8901);
    }
    control.Show();
  }
  F form;
  led::control::LEDDisplay control;
};

void PngSnapshot(benchmark::State& state) {
  Shown<led::platform::Form> shown(state.range(0));
  size_t bytes = 0;
  for (auto _ : state) bytes = led::platform::EncodePng(shown.form.Snapshot()).size();
  state.counters["bytes"] = double(bytes);
}

void VectorSnapshot(benchmark::State& state, SnapshotFormat format) {
  Shown<led::platform::VectorForm> shown(state.range(0));
  size_t bytes = 0;
  for (auto _ : state) bytes = led::platform::EncodeVector(shown.form.Shapes(), format).size();
  state.counters["bytes"] = double(bytes);
}

template <class F>
void RenderPass(benchmark::State& state) {
  Shown<F> shown(state.range(0));
  for (auto _ : state) shown.control.Refresh();
}

}  // namespace

BENCHMARK(PngSnapshot)->Arg(kStarting)->Arg(kTwelveDigits)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VectorSnapshot, Svg, SnapshotFormat::kSvg)
    ->Arg(kStarting)
    ->Arg(kTwelveDigits)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(VectorSnapshot, Pdf, SnapshotFormat::kPdf)
    ->Arg(kStarting)
    ->Arg(kTwelveDigits)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(RenderPass<led::platform::Form>)->Arg(kStarting)->Arg(kTwelveDigits);
BENCHMARK(RenderPass<led::platform::VectorForm>)->Arg(kStarting)->Arg(kTwelveDigits);
