// Formatting and cell building as one render pass does them, for the starting state
// and for a value with twelve digits.
#include <benchmark/benchmark.h>

#include "leddisplay/model/ControlState.h"
#include "leddisplay/render/ValueFormat.h"

namespace {

using led::model::ControlState;
using led::render::BuildDisplayCells;
using led::render::FormatDisplay;

void FormatAndBuild(benchmark::State& run, const ControlState& s) {
  for (auto _ : run) {
    const auto formatted = FormatDisplay(s.StoredValue, s.StoredDigits, s.StoredDecimals,
                                         s.StoredLeadingPlusMinus, s.StoredUseOverRange);
    auto cells = BuildDisplayCells(formatted, s.StoredLeadingZeros, s.StoredShowAllDecimalPoints);
    benchmark::DoNotOptimize(cells.data());
    benchmark::ClobberMemory();
  }
}

void BM_StartingState(benchmark::State& run) {
  FormatAndBuild(run, led::model::FirstValues());
}
BENCHMARK(BM_StartingState);

void BM_TwelveDigits(benchmark::State& run) {
  ControlState s = led::model::FirstValues();
  s.StoredValue = -123456.789012;
  s.StoredDigits = 12;
  s.StoredDecimals = 6;
  FormatAndBuild(run, s);
}
BENCHMARK(BM_TwelveDigits);

// A value that needs 17 digits takes the exact path.
void BM_SeventeenDigitValue(benchmark::State& run) {
  ControlState s = led::model::FirstValues();
  s.StoredValue = 0.1 + 0.2;
  FormatAndBuild(run, s);
}
BENCHMARK(BM_SeventeenDigitValue);

}  // namespace
