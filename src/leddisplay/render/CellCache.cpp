#include "leddisplay/render/CellCache.h"

#include <bit>

namespace led::render {

const std::vector<DisplayCell>& CellCache::CellsFor(const model::ControlState& s) {
  const Inputs inputs{std::bit_cast<uint64_t>(s.StoredValue),
                      s.StoredDigits,
                      s.StoredDecimals,
                      s.StoredLeadingPlusMinus,
                      s.StoredUseOverRange,
                      s.StoredLeadingZeros,
                      s.StoredShowAllDecimalPoints};
  if (valid_ && inputs == inputs_) return cells_;
  valid_ = false;  // stays so when formatting raises
  const FormattedDisplay formatted = FormatDisplay(s.StoredValue, s.StoredDigits, s.StoredDecimals,
                                                   s.StoredLeadingPlusMinus, s.StoredUseOverRange);
  BuildDisplayCells(formatted, s.StoredLeadingZeros, s.StoredShowAllDecimalPoints, cells_);
  inputs_ = inputs;
  valid_ = true;
  return cells_;
}

const std::vector<DisplayCell>& CellsOf(Display& display, CellCache& scratch) {
  return (display.cells != nullptr ? *display.cells : scratch).CellsFor(display.state);
}

}  // namespace led::render
