// PNG bytes from the input are decoded; an image that decodes must encode, and its
// encoding must decode to the same size and pixels.
#include <string_view>

#include "FuzzSupport.h"
#include "leddisplay/platform/Png.h"

using namespace led;

namespace {

// Decoding is bounded by the image's size, so images past a few million pixels only
// slow the run down: they are skipped by their header's width and height.
constexpr uint64_t kMaxPixels = uint64_t{1} << 22;

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

bool Skipped(std::string_view bytes) {
  const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
  // The first chunk is the header: signature (8), length (4), "IHDR", width, height.
  if (bytes.size() >= 24 && bytes.substr(12, 4) == "IHDR" &&
      uint64_t{BigEndian32(p + 16)} * BigEndian32(p + 20) > kMaxPixels)
    return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (Skipped({reinterpret_cast<const char*>(data), size})) return 0;
  platform::Image image;
  try {
    image = platform::DecodePng({data, size}, "fuzz input");
  } catch (const core::RuntimeError& e) {
    fuzz::ExpectClearError(e, {481});
    return 0;
  }
  if (image.width < 1 || image.height < 1 ||
      image.pixels.size() != size_t(image.width) * size_t(image.height))
    fuzz::Fail("decoded image of " + std::to_string(image.width) + "x" +
               std::to_string(image.height) + " with " + std::to_string(image.pixels.size()) +
               " pixels");
  platform::Image again;
  try {
    again = platform::DecodePng(platform::EncodePng(image), "re-encoded image");
  } catch (const core::RuntimeError& e) {
    fuzz::Fail("a decoded image does not round-trip: " + e.description());
  }
  if (again.width != image.width || again.height != image.height || again.pixels != image.pixels)
    fuzz::Fail("the re-encoded image differs from the decoded one");
  return 0;
}
