// Internal: not installed.
#pragma once
// What the display shows, as text (for assistive tools and hosts): the sign as lit ("+"
// or "-" when the sign cell is shown), the digits with blanked leading zeros left out,
// the lit decimal point as "."; "over range" for the over-range mark (also for NaN and
// the infinities); empty when nothing is drawn. A Text shows as its cells do
// (TextCells.h: TextOfCells), blank cells as spaces. A cell whose segments were set by
// hand shows the character whose glyph lights them, "?" when none does. The cells are those the
// render pass draws, from its cell cache.
//
// Example: Value -12.5 with 4 digits, 1 decimal and leading zeros off shows "-12.5";
// Value 12345 with 3 digits and UseOverRange shows "over range".
#include <string>

#include "leddisplay/model/ControlState.h"
#include "leddisplay/render/CellCache.h"

namespace led::render {

std::string ShownText(const model::ControlState& state, CellCache& cells);

// Whether the value needs more digits than the display has (or is not finite, or the
// digit count cannot be formatted), whatever UseOverRange says.
bool IsOverRange(const model::ControlState& state);

}  // namespace led::render
