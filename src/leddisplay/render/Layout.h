// Internal: not installed.
#pragma once
// Caption layout and the container's notifications.
#include <cstdint>

#include "leddisplay/render/Display.h"

namespace led::render {

// The container's Resize: places the labels, sizes the height when AutoSize is on
// (AutoSizeHeight), renders unless SizingInProgress. Each step is tried; a failing one is skipped.
void ResizeHandling(Display& display);

// The container's Show: renders. Paint: nothing (the surface keeps its image).
void ShowHandling(Display& display);
void PaintHandling(Display& display);

// The public Refresh: AutoRedraw on (errors go to the caller), then the render pass.
void Refresh(Display& display);

}  // namespace led::render
