#include "support/ImageMismatch.h"

#include <cstdlib>

#include "leddisplay/platform/io/Png.h"

namespace led::test {

namespace {

using platform::Image;
using platform::Pixel;

constexpr int kTolerance = 2;

bool Equal(Pixel a, Pixel b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > kTolerance) return false;
  return true;
}

bool OnEdge(const Image& image, int32_t x, int32_t y) {
  for (int32_t dy = -1; dy <= 1; ++dy)
    for (int32_t dx = -1; dx <= 1; ++dx)
      if (image.Contains(x + dx, y + dy) && !Equal(image.at(x + dx, y + dy), image.at(x, y)))
        return true;
  return false;
}

}  // namespace

std::string ImageMismatch(const Image& expected, const Image& actual,
                          const std::function<bool(int32_t x, int32_t y)>& skipped,
                          const std::string& picturePath, int minimumEqualPercent) {
  if (actual.width != expected.width || actual.height != expected.height)
    return "size " + std::to_string(actual.width) + " x " + std::to_string(actual.height) +
           ", expected " + std::to_string(expected.width) + " x " + std::to_string(expected.height);
  Image picture(expected.width, expected.height);
  int64_t compared = 0, equal = 0, offEdge = 0;
  for (int32_t y = 0; y < expected.height; ++y)
    for (int32_t x = 0; x < expected.width; ++x) {
      const Pixel p = expected.at(x, y);
      picture.at(x, y) = 0xFF000000u | ((p >> 1) & 0x7F7F7F);
      if (skipped(x, y)) continue;
      ++compared;
      if (Equal(actual.at(x, y), p)) {
        ++equal;
        continue;
      }
      const bool edge = OnEdge(expected, x, y);
      offEdge += !edge;
      picture.at(x, y) = edge ? platform::MakePixel(255, 255, 0) : platform::MakePixel(255, 0, 0);
    }
  if (offEdge == 0 && equal * 100 >= compared * minimumEqualPercent) return "";
  platform::WritePngFile(picturePath, picture);
  return std::to_string(compared - equal) + " of " + std::to_string(compared) +
         " pixels unequal, " + std::to_string(offEdge) + " of them off the edges; see " +
         picturePath;
}

}  // namespace led::test
