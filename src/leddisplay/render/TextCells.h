// Internal: not installed.
#pragma once
// Text shown instead of the number (the control's Text, when not empty): one cell per
// character, right-aligned in Digits cells, blank cells (every segment unlit) on the
// left and no sign cell. A "." after a character lights that cell's point and takes no
// cell (one with no character before it lights a blank cell's); a ":" lights a colon in
// the gap after the cell before it and takes no cell. Each character shows its glyph
// (Glyphs.h: TextGlyph; AlphaGlyphs.h: AlphaTextGlyph in 14- and 16-segment cells), one
// without a glyph a blank cell. A text of more cells than
// Digits shows its first Digits cells, and is over range: with UseOverRange on, the row
// is the over-range mark, as a number's is.
//
// Example: "12:34" on 4 digits is the cells 1, 2 (a colon after it), 3, 4; "Err" on 4
// digits is a blank cell, then E, r, r.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

// The cells of `text` on `digits` cells (none when digits is 0 or less), written into
// `cells`, replacing what it held.
void BuildTextCells(std::string_view text, int16_t digits, core::Boolean useOverRange,
                    bool alphanumeric, std::vector<DisplayCell>& cells);

// Whether `text` takes more cells than `digits`.
bool IsTextOverRange(std::string_view text, int16_t digits);

// What the cells show, as text: each cell's glyph (a blank cell a space; the degree
// sign as "°"), "." after a lit point, ":" after a colon; "over range" for the mark.
std::string TextOfCells(const std::vector<DisplayCell>& cells);

}  // namespace led::render
