#pragma once
// A rasterized vector picture against the pixels it was drawn from. A pixel is equal when
// no channel differs by more than 2 (rasterizers round a gradient's steps their own
// way); a pixel that is not lies on an edge when the expected picture has an unequal
// neighbour among its eight. The pictures match when, over the pixels not skipped, at
// least `minimumEqualPercent` are equal and every unequal one lies on an edge.
#include <cstdint>
#include <functional>
#include <string>

#include "leddisplay/platform/raster/Image.h"

namespace led::test {

// Empty when `actual` matches `expected`; else what is wrong, after writing the mismatch
// picture to `picturePath` (`expected` dimmed, unequal edge pixels yellow, others red).
std::string ImageMismatch(const platform::Image& expected, const platform::Image& actual,
                          const std::function<bool(int32_t x, int32_t y)>& skipped,
                          const std::string& picturePath, int minimumEqualPercent = 99);

}  // namespace led::test
