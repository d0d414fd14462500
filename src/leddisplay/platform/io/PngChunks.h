// Internal: not installed.
#pragma once
// The chunk list of PNG data, walked before libpng sees it: every chunk must lie wholly
// within the data and be under 2^31 bytes, and the first must be a 13-byte IHDR. A
// chunk that claims more than the data holds is refused here, so that no reader
// allocates for a length the data cannot back. Stops at IEND.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace led::platform {

struct PngHeader {
  uint32_t width = 0;
  uint32_t height = 0;
  uint8_t bitDepth = 0;
  uint8_t colourType = 0;
  uint8_t interlace = 0;
};

struct PngChunkList {
  PngHeader header;
  uint64_t imageDataBytes = 0;  // the IDAT payloads together
};

// `bytes` starts with the 8-byte signature (checked by the caller). Nothing when the
// chunk list is broken, with `problem` saying how.
std::optional<PngChunkList> WalkPngChunks(std::span<const uint8_t> bytes, std::string& problem);

// The bytes of filtered image data the header asks for: each row of each pass (seven
// passes when interlaced) has one filter byte and its pixels at the file's bits per
// pixel. 0 for a colour type or depth that PNG does not define.
uint64_t RawImageBytes(const PngHeader& header);

}  // namespace led::platform
