#pragma once
// Loops over runs of pixels that drawing spends its time in, written for the widest
// stores the processor running the program offers.
#include <cstddef>

#include "leddisplay/platform/Image.h"

namespace led::platform {

// Sets n pixels from p on to `value`.
void FillPixels(Pixel* p, size_t n, Pixel value);

}  // namespace led::platform
