// Internal: not installed.
#pragma once
// AutoSize: the extent that fits the digit row and the captions. One rule, used by the
// render pass's width step, by AutoSizeHeight and by the control's read-out. The lengths
// below are the display's geometry (Geometry.h: zoomed), and the border and the
// allowance are zoomed by the same rule (core::ZoomLength); the captions' heights are
// the labels' own (a host measures them at its resolution).
//
// Width: where the row of cells ends (the left margin, then each cell's spacing and
// width, as the pass places them) plus the border on both sides (BorderWidth), in
// pixels, times TwipsPerPixelX as a float.
// Height: each caption with text adds its label's Height (pixels) times TwipsPerPixelY
// and the upper margin in twips (rounded, halves to even); one without text the margin
// alone; then the digit height times TwipsPerPixelY. With a border allowance (9 pixels
// for 3D and Fixed Single, 6 flat and Fixed Single, 5 without a border, each zoomed;
// none for a value outside those known) that height is set, read back as the surface
// keeps it, and set again with the allowance added.
// A sum that leaves 16 bits raises 6.
//
// Example: the starting state (4 digits, 3 decimals, sign; margins 3, cells 24 + 10, 3D
// Fixed Single, no captions, 15 twips a pixel) gives 2655 x 945 twips, 177 x 63 pixels;
// at zoom 2 (7.5 twips a pixel) the same twips, 354 x 126 pixels.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "leddisplay/core/TwipsExtent.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/Geometry.h"

namespace led::render {

// The width in pixels of the border on one side of the control, by the state's
// Appearance and BorderStyle: Fixed Single is 2 pixels in 3D and 1 flat, each zoomed
// (core::ZoomLength: the surface draws its border at the same zoom); None, or a value
// outside those known, is 0.
int16_t BorderWidth(const model::ControlState& state, double zoom);

// The left edge of the cell after the one at `cellLeft` (its spacing, then its width),
// as the render pass places them; and where a row of `cells` cells ends, both in pixels.
int16_t NextCellLeft(const Geometry& lengths, int16_t cellLeft);
int16_t RowEnd(const Geometry& lengths, size_t cells);

// Sets the control's Width for a row ending at `rowEnd`, then clears SizingInProgress.
void AutoSizeWidth(Display& display, int16_t rowEnd);

// Sets the control's Height, with SizingInProgress set meanwhile and cleared at the end,
// also on an error.
void AutoSizeHeight(Display& display);

// The extent AutoSize would set now, sizing nothing: the row of the display's cells, the
// labels and the twips per pixel read, the first height's read-back reckoned as the
// host's surfaces keep an extent (whole pixels, halves to even). Empty when nothing is
// drawn or a step raises.
std::optional<core::TwipsExtent> ReckonAutoSize(Display& display);

}  // namespace led::render
