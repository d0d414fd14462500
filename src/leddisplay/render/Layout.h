#pragma once
// Caption layout, automatic height and the container's notifications.
#include "leddisplay/render/Display.h"

namespace led::render {

// The container's Resize: places the labels, sizes the height when AutoSize is on,
// renders unless SizingInProgress. Each step is tried; a failing one is skipped.
void ResizeHandling(Display& display);

// Sets the control's Height from the captions and digit height, plus the border
// allowance. Throws on error, with SizingInProgress cleared first.
void AutoSizeHeight(Display& display);

// The container's Show: renders. Paint: nothing (the surface keeps its image).
void ShowHandling(Display& display);
void PaintHandling(Display& display);

// The public Refresh: AutoRedraw on (errors go to the caller), then the render pass.
void Refresh(Display& display);

}  // namespace led::render
