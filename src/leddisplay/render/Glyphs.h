// Internal: not installed.
#pragma once
// The seven-segment glyphs and the geometry of one cell, kept as data: which
// segments of "0"-"9", "O" and "R" are lit, and where each segment of a cell lies.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/Geometry.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

class LineBatch;

// True for the characters that have a seven-segment glyph: the digits, the over-range
// mark's "O" and "R" (the shape of a capital A), and the glyphs of text (TextGlyph).
bool HasGlyph(char character);

// The glyph a character of text shows: the digits; A b C c d E F G H h I J L n o O P q r
// S t U u y; "-", "_", "=", the degree sign (kDegreeGlyph) and space. A letter outside
// the set shows its other case where that is in it ("a" shows "A", "R" shows "r");
// anything else a blank cell (a space).
char TextGlyph(char32_t character);
// The character of text whose glyph lights the segments of `mask` (a, b, c, d, e, f, g from
// bit 0; the point bit ignored), or "?" when none does.
char SevenSegmentCharacter(int32_t mask);
// The cell character of the degree sign (a, f, b and g lit).
inline constexpr char kDegreeGlyph = '\xB0';
// Every character of text with a glyph, in the order of the table above ("\xB0" the
// degree sign).
inline constexpr std::string_view kTextGlyphs = "0123456789AbCcdEFGHhIJLnoOPqrStUuy-_=\xB0 ";

// Draws the glyph of `cell` with its left edge `left` and top edge `top` in the lengths
// of `lengths` (the display's geometry): the segments a, f, b, g, e, c, d in that order,
// each in OnColor or OffColor, then the decimal point when the cell has one, as one
// batch of lines. halfHeight is DigitHeight \ 2. Nothing for a character without glyph;
// a cell with segments set by hand (DisplayCell::Segments) shows those and their point.
// Raises 6 when a coordinate leaves 16 bits, after the lines drawn so far.
// `index` is the cell's place in the row: a display that keeps cells (Display::cells)
// keeps each cell's lines there and hands a cell drawn again from the same inputs the
// kept lines, in the same calls.
// What is lit is drawn in `lit` (OnColor unless the cell is shown otherwise: LitColorOf).
void DrawGlyphCell(Display& display, const Geometry& lengths, const DisplayCell& cell, int16_t left,
                   int16_t top, int16_t halfHeight, size_t index, core::OleColor lit);

// Everything a glyph cell's lines are worked out from (CellCache::CellInputs), as
// DrawGlyphCell and DrawAlphaCell key the lines they keep.
CellCache::CellInputs GlyphInputs(const Display& display, const Geometry& lengths,
                                  const DisplayCell& cell, int16_t left, int16_t top,
                                  int16_t halfHeight, core::OleColor lit);

// The marks of a cell after its segments: its decimal point (lit in `lit`, unlit in
// `off`, or none), 4 pixels right of the cell and 2 * SegmentSeperation below its bottom
// edge; then its colon, two points of DecimalPointSize across where the point lies,
// centred a third and two thirds of the way down the digit height.
void DrawCellMarks(LineBatch& lines, const Geometry& lengths, const DisplayCell& cell, int16_t left,
                   int16_t top, core::OleColor lit, core::OleColor off);
// The marks a cell shows: its own, or with segments set by hand (DisplayCell::Segments) the
// point their mask lights (model::kPointSegment), and its colon.
DisplayCell MarksOf(const DisplayCell& cell);

}  // namespace led::render
