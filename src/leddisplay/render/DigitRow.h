// Internal: not installed.
#pragma once
// The top edge of the digit row, in pixels: DigitUpperMargin, plus the height of the
// upper caption label (Label2) when its caption is not empty, summed in single
// precision and rounded half to even. Raises 6 when the result leaves 16 bits.
#include <cstdint>

#include "leddisplay/render/Display.h"

namespace led::render {

int16_t DigitTop(Display& display);

}  // namespace led::render
