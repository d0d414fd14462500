// Internal: not installed.
#pragma once
// The colour a cell's lit segments, lit point and lit sign stroke take in a render pass:
// OnColor; while UseLimits is on, LowColor below LowLimit and HighColor above HighLimit
// (model::BandOf); and OffColor for a flashed cell while FlashPhase is False, so that
// the cell shows wholly unlit, as a blanked zero does, and the row does not move.
#include <cstddef>
#include <cstdint>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/model/ControlState.h"

namespace led::render {

// Whether the index-th of `count` cells (left to right) is in `mask`: bit 0 the
// rightmost cell, bit i the i-th from the right; -1 every cell of the row.
bool Flashes(int32_t mask, size_t index, size_t count);

// The lit colour of the index-th of `count` cells, as above.
core::OleColor LitColorOf(const model::ControlState& state, size_t index, size_t count);

}  // namespace led::render
