// Internal: not installed.
#pragma once
// The render pass: clears the surface, paints the background, draws every cell,
// fits the width when AutoSize is on (AutoSize.h) and raises Change (event 6) once per
// change of value. It never throws: its first error ends it quietly.
#include "leddisplay/render/Display.h"

namespace led::render {

void RenderDisplay(Display& display);

// Whether the state draws nothing at all (no digits, or segments of no width): then the
// render pass ends at once, nothing is shown and AutoSize has no extent.
bool DrawsNothing(const model::ControlState& state);

}  // namespace led::render
