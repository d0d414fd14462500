// The full render pass on the raster surface of a form, beside a floor over a buffer
// of the same size that clears it with wmemset (or writes the same gradient rows) and
// writes the same spans directly. The spans are those of one recorded pass, so both sides paint
// exactly the same pixels. Cases: the starting state on its auto-sized surface, the
// same with a vertical gradient, and 12 digits with SegmentWidth 5; the starting state
// with every cell flashing in its off phase, a value above its high limit, and the
// starting state slanted 10 degrees; then growth with
// the number of digits and with the size of a digit. RenderPass reports x_floor, its
// time over the floor's measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <cwchar>
#include <vector>

#include <nlohmann/json.hpp>

#include "leddisplay/model/ControlState.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/form/Recorder.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/Layout.h"
#include "leddisplay/render/RenderPass.h"

namespace {

using led::model::ControlState;
using led::platform::Image;
using led::platform::OpaquePixel;
using led::platform::Pixel;

enum Scenario : int64_t {
  kStarting,
  kGradient,
  kTwelveDigits,
  kDigits,
  kScale,
  kFlashing,
  kLimits,
  kSlant
};

struct Span {
  int32_t x1, y1, x2, y2;  // axis-aligned, x1 <= x2, y1 <= y2
  Pixel pixel;
};

ControlState StateFor(Scenario scenario, int64_t arg) {
  ControlState s = led::model::FirstValues();
  s.StoredAutoSize = led::core::kTrue;
  s.StoredValue = -1234.5;
  s.StoredDecimals = 1;
  switch (scenario) {
    case kStarting:
      s.StoredValue = 0;
      s.StoredDecimals = 3;
      break;
    case kGradient:
      s.StoredValue = 0;
      s.StoredDecimals = 3;
      s.StoredBackGroundStyle = led::model::Gradient_V;
      s.StoredBackGroundG1 = 0x0000FF;
      s.StoredBackGroundG2 = 0xFF0000;
      break;
    case kTwelveDigits:
      s.StoredDigits = 12;
      s.StoredSegmentWidth = 5;
      break;
    case kDigits:
      s.StoredDigits = static_cast<int16_t>(arg);
      break;
    case kFlashing:  // the starting state with every cell in its off phase
      s.StoredValue = 0;
      s.StoredDecimals = 3;
      s.Extended.FlashCells = -1;
      s.Extended.FlashPhase = led::core::kFalse;
      break;
    case kLimits:  // the starting state above its high limit
      s.StoredValue = 250;
      s.StoredDecimals = 0;
      s.Extended.UseLimits = led::core::kTrue;
      break;
    case kSlant:  // the starting state leaning 10 degrees
      s.StoredValue = 0;
      s.StoredDecimals = 3;
      s.Extended.Slant = 10;
      break;
    case kScale:  // every length of a cell times arg
      s.StoredDigitWidth = static_cast<int16_t>(24 * arg);
      s.StoredDigitHeight = static_cast<int16_t>(48 * arg);
      s.StoredDigitSpacing = static_cast<int16_t>(10 * arg);
      s.StoredSegmentWidth = static_cast<int16_t>(3 * arg);
      s.StoredDecimalPointSize = static_cast<int16_t>(3 * arg);
      break;
  }
  return s;
}

// A control on a form, laid out and sized once, as after the container's first resize.
struct Bench {
  explicit Bench(Scenario scenario, int64_t arg) : state(StateFor(scenario, arg)) {
    // The surface wears the state's edge, as a control's InitProperties gives it.
    form.Surface().SetAppearance(static_cast<int16_t>(state.StoredAppearance));
    form.Surface().SetBorderStyle(static_cast<int16_t>(state.StoredBorderStyle));
    form.Surface().SetBackColor(0x204060);
    // A newly placed control has no captions.
    form.Host().lowerCaption.SetCaption("");
    form.Host().upperCaption.SetCaption("");
    form.OnResize([this] { led::render::ResizeHandling(display); });
    led::render::ResizeHandling(display);
  }

  // The lines of one pass, as spans clipped to the surface.
  std::vector<Span> RecordSpans() {
    led::platform::Recorder recorder(form.Host());
    led::render::Display recorded{state, recorder.Host()};
    led::render::RenderDisplay(recorded);
    const Image& inner = form.Surface().Inner();
    std::vector<Span> spans;
    for (const auto& line : recorder.Calls()) {
      const nlohmann::json call = nlohmann::json::parse(line);
      if (call["call"] != "Line") continue;
      // Ends rounded to pixels as the raster rounds them (halves up): a slanted cell's
      // lines end between pixels.
      const auto end = [&](const char* key) {
        return static_cast<int32_t>(std::floor(call[key].get<double>() + 0.5));
      };
      Span s{end("x1"), end("y1"), end("x2"), end("y2"),
             OpaquePixel(call["color"].get<uint32_t>())};
      if (s.x1 > s.x2) std::swap(s.x1, s.x2);
      if (s.y1 > s.y2) std::swap(s.y1, s.y2);
      s.x1 = std::max(s.x1, 0);
      s.y1 = std::max(s.y1, 0);
      s.x2 = std::min(s.x2, inner.width - 1);
      s.y2 = std::min(s.y2, inner.height - 1);
      if (s.x1 <= s.x2 && s.y1 <= s.y2) spans.push_back(s);
    }
    return spans;
  }

  led::platform::Form form;
  ControlState state;
  led::render::CellCache cells;  // kept between passes, as the control keeps it
  led::render::Display display{state, form.Host(), &cells};
};

// Writes n pixels of one value: wmemset, whose library version stores whole vector
// registers (wchar_t is 32 bits here), the floor a direct writer would reach.
void Fill(Pixel* p, size_t n, Pixel value) {
  static_assert(sizeof(wchar_t) == sizeof(Pixel));
  std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(value), n);
}

// The floor: the same pixels written straight into a buffer of the same size.
struct Floor {
  Floor(Scenario scenario, Bench& bench)
      : spans(bench.RecordSpans()),
        width(bench.form.Surface().Inner().width),
        height(bench.form.Surface().Inner().height),
        gradient(scenario == kGradient),
        buffer(size_t(width) * height) {}

  void Draw() {
    // The background: the back colour, or gradient rows from blue at the top to red
    // at the bottom, worked out per row as a direct writer would.
    if (gradient) {
      for (int32_t y = 0; y < height; ++y) {
        const uint32_t red = height > 1 ? 255u * y / (height - 1) : 0;
        Fill(buffer.data() + size_t(y) * width, width, OpaquePixel(red | ((255u - red) << 16)));
      }
    } else {
      Fill(buffer.data(), buffer.size(), OpaquePixel(0x204060));
    }
    for (const Span& s : spans) {
      if (s.y1 == s.y2) {
        Fill(buffer.data() + size_t(s.y1) * width + s.x1, s.x2 - s.x1 + 1, s.pixel);
      } else {
        Pixel* p = buffer.data() + size_t(s.y1) * width + s.x1;
        for (int32_t y = s.y1; y <= s.y2; ++y, p += width) *p = s.pixel;
      }
    }
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }

  std::vector<Span> spans;
  int32_t width, height;
  bool gradient;
  std::vector<Pixel> buffer;
};

// Processor time of this thread, in nanoseconds.
double ThreadNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

// The render pass over its floor, both timed in the same run: short turns of each in
// alternation, so that a neighbour's load on the machine weighs on both alike.
double TimesTheFloor(Bench& bench, Floor& floor) {
  constexpr int kTurns = 200, kPerTurn = 50;
  double pass = 0, direct = 0;
  for (int turn = 0; turn < kTurns; ++turn) {
    double start = ThreadNanoseconds();
    for (int i = 0; i < kPerTurn; ++i) led::render::RenderDisplay(bench.display);
    pass += ThreadNanoseconds() - start;
    start = ThreadNanoseconds();
    for (int i = 0; i < kPerTurn; ++i) floor.Draw();
    direct += ThreadNanoseconds() - start;
  }
  return pass / direct;
}

void SetCounters(benchmark::State& run, Bench& bench) {
  const Image& inner = bench.form.Surface().Inner();
  run.counters["width"] = inner.width;
  run.counters["height"] = inner.height;
}

// The pass, with x_floor: its time over the floor's, measured in the same run. A slanted
// display also reports x_upright, its time over the floor of the same display upright.
void RenderPass(benchmark::State& run) {
  const auto scenario = static_cast<Scenario>(run.range(0));
  Bench bench(scenario, run.range(1));
  Floor floor(scenario, bench);
  for (auto _ : run) {
    led::render::RenderDisplay(bench.display);
    benchmark::ClobberMemory();
  }
  SetCounters(run, bench);
  run.counters["x_floor"] = TimesTheFloor(bench, floor);
  if (scenario == kSlant) {
    Bench upright(kStarting, 0);
    Floor uprightFloor(kStarting, upright);
    run.counters["x_upright"] = TimesTheFloor(bench, uprightFloor);
  }
}

void Baseline(benchmark::State& run) {
  const auto scenario = static_cast<Scenario>(run.range(0));
  Bench bench(scenario, run.range(1));
  Floor floor(scenario, bench);
  for (auto _ : run) floor.Draw();
  SetCounters(run, bench);
}

void Scenarios(benchmark::internal::Benchmark* b) {
  b->ArgNames({"case", "n"});
  b->Args({kStarting, 0})->Args({kGradient, 0})->Args({kTwelveDigits, 0});
  b->Args({kFlashing, 0})->Args({kLimits, 0})->Args({kSlant, 0});
  for (int64_t digits : {4, 8, 16, 32}) b->Args({kDigits, digits});
  for (int64_t scale : {1, 2, 4, 8}) b->Args({kScale, scale});
}

BENCHMARK(RenderPass)->Apply(Scenarios);
BENCHMARK(Baseline)->Apply(Scenarios);

}  // namespace
