// Internal: not installed.
#pragma once
// Turning the value and its display settings into the row of character cells:
// the number pattern, the formatted text, over range, leading-zero blanking and the
// decimal points. Pure functions; no drawing.
#include <cstdint>
#include <string>
#include <vector>

#include "leddisplay/core/Boolean.h"

namespace led::render {

struct FormattedDisplay {
  std::string DisplayText;  // formatted absolute value, or "OR"
  int32_t UnitsIndex = -2;  // index of the character before the first ".", -2 if none
  int16_t LastIndex = -1;   // index of the last character the walk visits
};

enum class PointState { None, Unlit, Lit };

struct DisplayCell {
  char Character = ' ';
  bool ZeroLit = false;  // for "0": drawn lit (true) or wholly unlit (false); else false
  PointState Point = PointState::None;
  bool Colon = false;     // a lit colon in the gap after the cell (text only)
  int32_t Segments = -1;  // segments set by hand (model::Extensions::CellSegments), or -1
  bool operator==(const DisplayCell&) const = default;
};

// The number pattern: "+" when leadingPlusMinus, then digits - decimals "0"s, then
// "." and decimals "0"s when decimals > 0. Raises 6 when digits - decimals overflows.
std::string BuildDisplayPattern(int16_t digits, int16_t decimals, core::Boolean leadingPlusMinus);

// Formats |value| with the pattern (never a "-"), then replaces an over-long text by
// "OR" when useOverRange is True. Rounding is half away from zero on the value as
// typed: the shortest decimal with at most 15 significant digits that reads back as
// the same double (so 1.005 to two places gives "1.01"), else the exact binary
// value. An empty pattern gives the general form: at most 15 significant digits, no
// exponent. A NaN or infinite value shows "OR" whatever useOverRange says. Raises 6
// when digits - decimals leaves 16 bits or the text is longer than 32768 characters.
FormattedDisplay FormatDisplay(double value, int16_t digits, int16_t decimals,
                               core::Boolean leadingPlusMinus, core::Boolean useOverRange);

// The cells of a formatted text, left to right ("." takes no cell; a digit's point is
// Lit at the units index, else Unlit when showAllDecimalPoints; "O" and "R" are never
// Lit). Zeros up to the units digit stay unlit until a digit 1-9 has passed, unless
// leadingZeros is True.
std::vector<DisplayCell> BuildDisplayCells(const FormattedDisplay& formatted,
                                           core::Boolean leadingZeros,
                                           core::Boolean showAllDecimalPoints);
// The same cells written into `cells`, replacing what it held; its capacity is reused.
void BuildDisplayCells(const FormattedDisplay& formatted, core::Boolean leadingZeros,
                       core::Boolean showAllDecimalPoints, std::vector<DisplayCell>& cells);

}  // namespace led::render
