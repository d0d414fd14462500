// The shapes of a drawing sampled at pixel centres, as a rasterizer without
// anti-aliasing does: each pixel takes the colour of the last shape whose inside (non-zero
// rule) holds its centre, within its clip. Polygons and pictures are sampled; gradients
// and text are left out (their pixels keep what lies under them).
#pragma once

#include "leddisplay/platform/vector/Drawing.h"

namespace led::test {

platform::Image SampleAtCentres(const platform::Drawing& drawing, platform::Pixel background = 0);

}  // namespace led::test
