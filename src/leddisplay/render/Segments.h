// Internal: not installed.
#pragma once
// The drawing primitives of one seven-segment cell. Coordinates are surface pixels
// (16-bit signed), colours are handed to the surface unchanged. Bars are made of
// SegmentWidth one-pixel lines, the decimal point of DecimalPointSize lines, both as
// the batch's geometry gives them (zoomed); nothing is filled. The primitives add their lines to a
// batch (drawn by DrawLines); every coordinate sum is checked 16-bit arithmetic: an overflow raises
// 6 after the lines already added.
//
// On a slanted batch (LineBatch::Slanted, Slant.h) each primitive paints the same pixels
// before the shear, as one line per pixel row, top to bottom: the upright bars and the
// sign's stem as rows, so that the shear moves each row whole, and every bar's rows one
// after another, so that a shape recorder keeps each bar one piece.
#include <cstddef>
#include <cstdint>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/LineBatch.h"

namespace led::render {

// Bevelled bars. Line 0 lies on the given outer edge; line i moves i pixels inward and
// loses i pixels at both ends (not clamped: a bar thicker than half its length is
// drawn on with reversed lines).
void DrawSegmentTop(LineBatch& lines, int16_t x1, int16_t x2, int16_t y, core::OleColor color);
void DrawSegmentBottom(LineBatch& lines, int16_t x1, int16_t x2, int16_t y, core::OleColor color);
void DrawSegmentLeft(LineBatch& lines, int16_t x, int16_t y1, int16_t y2, core::OleColor color);
void DrawSegmentRight(LineBatch& lines, int16_t x, int16_t y1, int16_t y2, core::OleColor color);

// The middle bar, symmetric about its centre line y: the centre line, then k lines
// above and k below, each shortened by its distance at both ends. k = SegmentWidth / 2
// (0 below 2), so an even SegmentWidth gives one line more than the other bars: the
// middle bar never looks thinner than its neighbours.
void DrawSegmentMiddle(LineBatch& lines, int16_t x1, int16_t x2, int16_t y, core::OleColor color);

// The upright bar at the centre of a 14- or 16-segment cell, symmetric about its centre
// column x: the centre column from y1 to y2, then k columns on each side, each shortened
// by its distance at both ends (k = SegmentWidth / 2, 0 below 2), as the middle bar is.
void DrawSegmentCentre(LineBatch& lines, int16_t x, int16_t y1, int16_t y2, core::OleColor color);

// A diagonal bar SegmentWidth thick (across it) through the box of pixels x1..x2, y1..y2,
// from its top-left corner to its bottom-right one (or, `rising`, from its bottom-left to
// its top-right), cut at the box's edges: one line a pixel row, its ends between pixels.
void DrawSegmentDiagonal(LineBatch& lines, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
                         bool rising, core::OleColor color);

// A block of DecimalPointSize lines from x1 to x2, growing upward from its bottom y.
void DrawDecimalPoint(LineBatch& lines, int16_t x1, int16_t y, int16_t x2, core::OleColor color);

// The sign mark in the first cell (DigitLeftMargin, DigitTop): a minus in the lower
// half, a plus in the upper half; the plus lit while Value >= 0, else the minus.
// Strokes are three lines when SegmentWidth > 1, else one; ends may be fractional.
// Its lines are drawn as one batch.
void DrawPlusMinusSign(Display& display);
// The same with the geometry and DigitTop the caller has already worked out, as the
// index-th cell of the row (its lines kept as DrawGlyphCell keeps a cell's), the lit
// stroke in `lit` (OnColor unless the cell is shown otherwise: LitColorOf).
void DrawPlusMinusSign(Display& display, const Geometry& lengths, int16_t top, size_t index,
                       core::OleColor lit);

}  // namespace led::render
