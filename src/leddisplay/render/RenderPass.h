// Internal: not installed.
#pragma once
// The render pass: clears the surface, paints the background, draws every cell,
// fits the width when AutoSize is on and raises Change (event 6) once per change of
// value. It never throws: its first error ends it quietly.
#include <cstddef>

#include "leddisplay/render/Display.h"

namespace led::render {

void RenderDisplay(Display& display);

// Sets the control's Width to x pixels plus the border on both sides (BorderWidth), in
// twips, then clears SizingInProgress.
// Throws on error (the render pass ends quietly on it).
void AutoSizeWidth(Display& display, int16_t x);

// Where a row of `cells` cells ends, in pixels: the left margin, then each cell's
// spacing and width, as the pass places them; 6 when that overflows 16 bits. A row's
// AutoSize width is AutoSizeWidthPixels of its end.
int16_t RowEnd(const model::ControlState& s, size_t cells);
int32_t AutoSizeWidthPixels(const model::ControlState& s, int16_t x);

}  // namespace led::render
