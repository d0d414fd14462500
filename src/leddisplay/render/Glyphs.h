// Internal: not installed.
#pragma once
// The seven-segment glyphs and the geometry of one cell, kept as data: which
// segments of "0"-"9", "O" and "R" are lit, and where each segment of a cell lies.
#include <cstddef>
#include <cstdint>

#include "leddisplay/render/Display.h"
#include "leddisplay/render/Geometry.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

// True for the characters that have a seven-segment glyph: "0"-"9", "O", "R".
bool HasGlyph(char character);

// Draws the glyph of `cell` with its left edge `left` and top edge `top` in the lengths
// of `lengths` (the display's geometry): the segments a, f, b, g, e, c, d in that order,
// each in OnColor or OffColor, then the decimal point when the cell has one, as one
// batch of lines. halfHeight is DigitHeight \ 2. Nothing for a character without glyph.
// Raises 6 when a coordinate leaves 16 bits, after the lines drawn so far.
// `index` is the cell's place in the row: a display that keeps cells (Display::cells)
// keeps each cell's lines there and hands a cell drawn again from the same inputs the
// kept lines, in the same calls.
// What is lit is drawn in `lit` (OnColor unless the cell is shown otherwise: LitColorOf).
void DrawGlyphCell(Display& display, const Geometry& lengths, const DisplayCell& cell, int16_t left,
                   int16_t top, int16_t halfHeight, size_t index, core::OleColor lit);

}  // namespace led::render
