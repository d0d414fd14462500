// Internal: not installed.
#pragma once
// Our pixels (bytes R, G, B, A in memory) as Qt's native 0xAARRGGBB words
// (QImage::Format_RGB32, which Qt draws by plain copies), alpha set to opaque.
#include <QImage>
#include <cstdint>

#include "leddisplay/platform/raster/Image.h"

namespace led::qt {

// Converts `from` into `to` with its top left corner at (x, y); `to` must be
// Format_RGB32 and hold that rectangle.
void CopyToQtRows(const platform::Image& from, QImage& to, int32_t x, int32_t y);

}  // namespace led::qt
