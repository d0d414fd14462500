// Internal: not installed.
#pragma once
// The row of cells of the last render pass, kept by the control between passes: a
// redraw whose value and display settings are unchanged formats nothing and touches
// no heap memory.
#include <cstdint>
#include <vector>

#include "leddisplay/model/ControlState.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

class CellCache {
 public:
  // The cells of the state's Value under its Digits, Decimals, LeadingPlusMinus,
  // UseOverRange, LeadingZeros and ShowAllDecimalPoints: the kept ones when all of these
  // equal those of the last call (the value compared bit for bit), else formatted anew.
  // Raises as FormatDisplay does; then nothing is kept.
  const std::vector<DisplayCell>& CellsFor(const model::ControlState& state);

 private:
  struct Inputs {
    uint64_t valueBits = 0;
    int16_t digits = 0;
    int16_t decimals = 0;
    core::Boolean leadingPlusMinus = core::kFalse;
    core::Boolean useOverRange = core::kFalse;
    core::Boolean leadingZeros = core::kFalse;
    core::Boolean showAllDecimalPoints = core::kFalse;
    bool operator==(const Inputs&) const = default;
  };

  bool valid_ = false;
  Inputs inputs_;
  std::vector<DisplayCell> cells_;
};

// The display's cells for its state: through its kept cache, or through `scratch` when
// it keeps none. Raises as CellsFor does.
const std::vector<DisplayCell>& CellsOf(Display& display, CellCache& scratch);

}  // namespace led::render
