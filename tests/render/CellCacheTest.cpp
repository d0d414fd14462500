// The display cells and their lines kept between redraws: reused while nothing they
// depend on changes, built again when anything does, never kept from a pass that raised.
#include "leddisplay/render/CellCache.h"

#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "RenderFixture.h"
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

// A display that keeps its cells hands the surface, pass after pass, the calls of one
// that keeps none: after a change of anything a cell's lines are worked out from, and
// after a pass whose third cell overflowed (no lines are kept from it).
class KeptLinesTest : public RenderTest {
 protected:
  // The drawing calls of a pass (the two displays share one state, so only the first
  // pass after a change of value raises Change).
  std::vector<json> Pass(Display& d) {
    std::vector<json> drawing = Recorded([&](Display&) { RenderDisplay(d); });
    std::erase_if(drawing, [](const json& c) { return c["call"] == "Event"; });
    return drawing;
  }
  CellCache cells;
  Display kept{state, recorder.Host(), &cells};
};

TEST_F(KeptLinesTest, RedrawsAsAFreshPassAfterEveryChange) {
  const std::function<void(model::ControlState&, Display&)> changes[] = {
      [](model::ControlState& s, Display&) { s.StoredValue = -3.5; },
      [](model::ControlState& s, Display&) { s.StoredOnColor = 0x00FF00; },
      [](model::ControlState& s, Display&) { s.StoredOffColor = 0x000080; },
      [](model::ControlState& s, Display&) { s.StoredDigitWidth = 30; },
      [](model::ControlState& s, Display&) { s.StoredDigitHeight = 37; },
      [](model::ControlState& s, Display&) { s.StoredSegmentWidth = 5; },
      [](model::ControlState& s, Display&) { s.StoredSegmentWidth = 1; },  // the sign's strokes
      [](model::ControlState& s, Display&) { s.StoredSegmentSeperation = 2; },
      [](model::ControlState& s, Display&) { s.StoredDecimalPointSize = 6; },
      [](model::ControlState& s, Display&) { s.StoredDigitLeftMargin = 9; },
      [](model::ControlState& s, Display&) { s.StoredDigitUpperMargin = 11; },
      [](model::ControlState& s, Display&) { s.StoredDigitSpacing = 2; },
      [](model::ControlState& s, Display&) { s.StoredShowAllDecimalPoints = kTrue; },
      [](model::ControlState&, Display& d) { d.zoom = 1.5; },
      [](model::ControlState& s, Display&) {  // the lit colour alone: the sign's too
        s.Extended.UseLimits = kTrue;
        s.Extended.HighLimit = 10;
      },
      [](model::ControlState& s, Display&) {
        s.Extended.FlashCells = -1;
        s.Extended.FlashPhase = core::kFalse;
      },
      [](model::ControlState& s, Display&) { s.Extended.Slant = 10; },
      [](model::ControlState& s, Display&) { s.Extended.SegmentStyle = model::kSixteenSegments; },
      [](model::ControlState& s, Display&) { s.Extended.Text = "12:34"; },
      [](model::ControlState& s, Display&) {
        s.StoredDigitLeftMargin = 32600;  // the third cell leaves 16 bits
        s.StoredDigitWidth = 40;
        s.StoredDigitSpacing = 30;
      },
  };
  for (size_t i = 0; i < std::size(changes); ++i) {
    SCOPED_TRACE(i);
    state = model::FirstValues();
    state.StoredValue = 12.5;
    kept.zoom = display.zoom = 1;
    Pass(kept);
    changes[i](state, kept);
    display.zoom = kept.zoom;
    const std::vector<json> fresh = Pass(display);
    EXPECT_EQ(Pass(kept), fresh);
    EXPECT_EQ(Pass(kept), fresh);  // from the lines kept by the pass before
  }
}

}  // namespace
}  // namespace led::render
