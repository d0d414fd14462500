// Internal: not installed.
#pragma once
// The 14- and 16-segment cells (SegmentStyle Fourteen and Sixteen): their glyphs, kept as
// one table, and how a cell is drawn. A cell is DigitWidth by DigitHeight as a
// seven-segment one; its outer bars are the seven-segment ones, the middle bar split in
// two halves (g1, g2), with an upright bar at the centre above and below it (i, l) and a
// diagonal in each quarter (h upper left, j upper right, k lower left, m lower right);
// Sixteen splits the top and bottom bars too (a1, a2, d1, d2). Every bar is bevelled or
// pointed as the seven-segment ones are, SegmentWidth thick, SegmentSeperation from its
// neighbours.
//
// The bits of a cell's segments, bit 0 first:
// - Fourteen: a, b, c, d, e, f, g1, g2, h, i, j, k, l, m;
// - Sixteen: a1, a2, b, c, d1, d2, e, f, g1, g2, h, i, j, k, l, m.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "leddisplay/render/Display.h"
#include "leddisplay/render/Geometry.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

// Every character with a 14- and 16-segment glyph ("\xB0" the degree sign): digits keep
// their seven-segment shapes (no diagonal through the 0: it would read as a slashed zero
// or an O with a stroke, which is not what a number shows).
inline constexpr std::string_view kAlphaGlyphs =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ+-*/\\<>=_'\"()[]%$#@!?\xB0 ";

// The glyph a character of text shows in these cells: a lower-case letter its upper
// case, a character of kAlphaGlyphs itself, anything else a blank cell (a space).
char AlphaTextGlyph(char32_t character);

// The segments `character` lights, in the bit order of the style above; 0 for one
// without a glyph.
uint32_t AlphaSegments(char character, bool sixteen);

// The character whose glyph lights the segments of `mask` in the style's bits (the point
// bit ignored), or "?" when none does.
char AlphaCharacter(int32_t mask, bool sixteen);

// DrawGlyphCell for a 14-segment cell (or a 16-segment one, `sixteen`): the outer bars
// in the seven-segment order (a, f, b, g1, g2, e, c, d; each split bar left half first),
// then h, i, j, k, l, m, then the point and the colon.
void DrawAlphaCell(Display& display, const Geometry& lengths, const DisplayCell& cell, int16_t left,
                   int16_t top, int16_t halfHeight, size_t index, core::OleColor lit, bool sixteen);

}  // namespace led::render
