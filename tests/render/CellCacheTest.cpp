// The display cells kept between redraws: reused while nothing they depend on changes,
// built again when anything does, never kept from a pass that raised.
#include "leddisplay/render/CellCache.h"

#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "leddisplay/core/RuntimeError.h"
#include "support/ExpectRuntimeError.h"

namespace led::render {
namespace {

using core::kTrue;

model::ControlState Shown(double value) {
  model::ControlState s = model::FirstValues();
  s.StoredValue = value;
  return s;
}

std::vector<DisplayCell> Fresh(const model::ControlState& s) {
  return BuildDisplayCells(FormatDisplay(s.StoredValue, s.StoredDigits, s.StoredDecimals,
                                         s.StoredLeadingPlusMinus, s.StoredUseOverRange),
                           s.StoredLeadingZeros, s.StoredShowAllDecimalPoints);
}

TEST(CellCache, KeepsTheCellsWhileNothingChanges) {
  CellCache cache;
  const model::ControlState s = Shown(12.5);
  const std::vector<DisplayCell>& first = cache.CellsFor(s);
  const DisplayCell* storage = first.data();
  EXPECT_EQ(first, Fresh(s));
  EXPECT_EQ(cache.CellsFor(s).data(), storage);  // the same buffer, not a new one
  EXPECT_EQ(cache.CellsFor(s), Fresh(s));
}

TEST(CellCache, FollowsEveryInputTheCellsDependOn) {
  const std::function<void(model::ControlState&)> changes[] = {
      [](model::ControlState& s) { s.StoredValue = 7; },
      [](model::ControlState& s) { s.StoredValue = -12.5; },
      [](model::ControlState& s) { s.StoredDigits = 6; },
      [](model::ControlState& s) { s.StoredDecimals = 0; },
      [](model::ControlState& s) { s.StoredLeadingPlusMinus = kTrue; },
      [](model::ControlState& s) { s.StoredLeadingZeros = kTrue; },
      [](model::ControlState& s) { s.StoredShowAllDecimalPoints = kTrue; },
      [](model::ControlState& s) {
        s.StoredValue = 123456;
        s.StoredUseOverRange = kTrue;
      },
      [](model::ControlState& s) { s.StoredValue = std::numeric_limits<double>::quiet_NaN(); },
  };
  for (size_t i = 0; i < std::size(changes); ++i) {
    SCOPED_TRACE(i);
    CellCache cache;
    model::ControlState s = Shown(12.5);
    cache.CellsFor(s);
    changes[i](s);
    EXPECT_EQ(cache.CellsFor(s), Fresh(s));
  }
}

TEST(CellCache, KeepsNothingWhenFormattingRaises) {
  CellCache cache;
  model::ControlState s = Shown(5);
  cache.CellsFor(s);
  s.StoredDigits = -32768;
  s.StoredDecimals = 1;  // Digits - Decimals leaves 16 bits
  EXPECT_RUNTIME_ERROR(cache.CellsFor(s), core::kOverflow);
  // The same settings raise again rather than handing back the earlier cells.
  EXPECT_RUNTIME_ERROR(cache.CellsFor(s), core::kOverflow);
  s = Shown(5);
  EXPECT_EQ(cache.CellsFor(s), Fresh(s));
}

}  // namespace
}  // namespace led::render
