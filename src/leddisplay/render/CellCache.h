// Internal: not installed.
#pragma once
// The row of cells of the last render pass, and the lines each cell drew, kept by
// the control between passes: a redraw whose value and display settings are unchanged
// formats nothing, works out no segment again and touches no heap memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/host/Surface.h"
#include "leddisplay/model/ControlState.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/Geometry.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

class CellCache {
 public:
  // The cells of the state's Value under its Digits, Decimals, LeadingPlusMinus,
  // UseOverRange, LeadingZeros and ShowAllDecimalPoints, or of its Text when not empty
  // (TextCells.h): the kept ones when all of these equal those of the last call (the
  // value compared bit for bit), else built anew. Raises as FormatDisplay does; then
  // nothing is kept.
  const std::vector<DisplayCell>& CellsFor(const model::ControlState& state);

  // Everything a cell's lines are worked out from: a cell's, or the sign's (which
  // also reads whether the value is negative, whether the stored segments are thicker
  // than a pixel, and the zoom); `shear` is the slant's factor (Slant.h).
  struct CellInputs {
    DisplayCell cell;
    int16_t left = 0, top = 0, halfHeight = 0;
    Geometry lengths;
    core::OleColor onColor = 0, offColor = 0;
    bool negative = false, thick = false;
    double zoom = 1;
    double shear = 0;
    int16_t style = 0;  // SegmentStyle
    bool operator==(const CellInputs&) const = default;
  };
  // The lines the index-th cell of the row drew when it was last drawn from `inputs`;
  // null when that cell was drawn from other inputs, or its drawing did not finish.
  const std::vector<host::LineCall>* KeptLines(size_t index, const CellInputs& inputs) const;
  // Forgets the index-th cell's lines and hands their (emptied) store to be filled;
  // KeepLines then marks them drawn from `inputs`.
  std::vector<host::LineCall>& StartLines(size_t index);
  void KeepLines(size_t index, const CellInputs& inputs);

 private:
  struct Inputs {
    uint64_t valueBits = 0;
    int16_t digits = 0;
    int16_t decimals = 0;
    core::Boolean leadingPlusMinus = core::kFalse;
    core::Boolean useOverRange = core::kFalse;
    core::Boolean leadingZeros = core::kFalse;
    core::Boolean showAllDecimalPoints = core::kFalse;
    int16_t segmentStyle = 0;
    bool operator==(const Inputs&) const = default;
  };

  bool valid_ = false;
  Inputs inputs_;
  std::string text_;  // the Text the cells show (empty: the value)
  std::vector<DisplayCell> cells_;

  struct KeptCell {
    bool valid = false;
    CellInputs inputs;
    std::vector<host::LineCall> lines;
  };
  std::vector<KeptCell> kept_;  // by the cell's index in the row
};

// The display's cells for its state: through its kept cache, or through `scratch` when
// it keeps none. Raises as CellsFor does.
const std::vector<DisplayCell>& CellsOf(Display& display, CellCache& scratch);

}  // namespace led::render
