// Internal: not installed.
#pragma once
// The top edge of the digit row, in pixels: DigitUpperMargin (as `lengths`, the display's
// geometry, gives it), plus the height of the upper caption label (Label2) when its
// caption is not empty, summed in single precision and rounded half to even. Raises 6 when the
// result leaves 16 bits.
#include <cstdint>

#include "leddisplay/render/Display.h"
#include "leddisplay/render/Geometry.h"

namespace led::render {

int16_t DigitTop(Display& display, const Geometry& lengths);

}  // namespace led::render
