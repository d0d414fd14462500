// Internal: not installed.
#pragma once
// Caption layout, automatic height and the container's notifications.
#include <cstdint>

#include "leddisplay/render/Display.h"

namespace led::render {

// The container's Resize: places the labels, sizes the height when AutoSize is on,
// renders unless SizingInProgress. Each step is tried; a failing one is skipped.
void ResizeHandling(Display& display);

// Sets the control's Height from the captions and digit height, plus the border
// allowance. Throws on error, with SizingInProgress cleared first.
void AutoSizeHeight(Display& display);

// AutoSizeHeight's two steps, for a host that asks what AutoSize would give without
// sizing anything. First the height in twips of each caption with text (its label's
// Height, read in pixels while sizing, times twipsPerPixel) and of the margins and the
// digits: 6 when the margin overflows 16 bits. Then the border allowance in pixels
// added to the height the surface made of that: 9 for 3D and Fixed Single, 6 flat and
// Fixed Single, 5 without a border, 0 (nothing added) for a value outside those known.
double AutoSizeContentHeight(const model::ControlState& s, host::Label& lower, host::Label& upper,
                             double twipsPerPixel);
int AutoSizeAllowance(const model::ControlState& s);

// The width in pixels of the border on one side of the control, by the state's
// Appearance and BorderStyle: Fixed Single is 2 pixels in 3D and 1 flat; None, or a
// value outside those known, is 0.
int16_t BorderWidth(const model::ControlState& state);

// The container's Show: renders. Paint: nothing (the surface keeps its image).
void ShowHandling(Display& display);
void PaintHandling(Display& display);

// The public Refresh: AutoRedraw on (errors go to the caller), then the render pass.
void Refresh(Display& display);

}  // namespace led::render
