#pragma once
// The render pass: clears the surface, paints the background, draws every cell,
// fits the width when AutoSize is on and raises Change (event 6) once per change of
// value. It never throws: its first error ends it quietly.
#include "leddisplay/render/Display.h"

namespace led::render {

void RenderDisplay(Display& display);

// Sets the control's Width to x pixels plus the border on both sides (BorderWidth), in
// twips, then clears SizingInProgress.
// Throws on error (the render pass ends quietly on it).
void AutoSizeWidth(Display& display, int16_t x);

}  // namespace led::render
