// PNG bytes from the input are decoded; an image that decodes must encode, and its
// encoding must decode to the same size and pixels.
#include <span>
#include <string>

#include "FuzzSupport.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/io/PngChunks.h"

using namespace led;

namespace {

// Decoding is bounded by the image's size, so images past a few million pixels only
// slow the run down: they are skipped by their header's width and height.
constexpr uint64_t kMaxPixels = uint64_t{1} << 22;

bool Skipped(std::span<const uint8_t> bytes) {
  std::string problem;
  if (bytes.size() < 8) return false;  // the chunk walk starts after the signature
  const auto chunks = platform::WalkPngChunks(bytes, problem);
  return chunks && uint64_t{chunks->header.width} * chunks->header.height > kMaxPixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (Skipped({data, size})) return 0;
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
