#include "leddisplay/platform/io/PngChunks.h"

#include <cstring>

namespace led::platform {

namespace {

constexpr uint32_t kMaxChunkLength = 0x7FFFFFFFu;

uint32_t BigEndian(std::span<const uint8_t> bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 |
         uint32_t{bytes[at + 3]};
}

uint64_t Channels(uint8_t colourType) {
  switch (colourType) {
    case 0:  // grey
    case 3:  // palette
      return 1;
    case 2:  // RGB
      return 3;
    case 4:  // grey and alpha
      return 2;
    case 6:  // RGBA
      return 4;
    default:
      return 0;
  }
}

uint64_t RowsBytes(uint64_t columns, uint64_t rows, uint64_t bitsPerPixel) {
  if (columns == 0 || rows == 0) return 0;
  return rows * (1 + (columns * bitsPerPixel + 7) / 8);
}

}  // namespace

std::optional<PngChunkList> WalkPngChunks(std::span<const uint8_t> bytes, std::string& problem) {
  PngChunkList list;
  size_t at = 8;
  for (bool first = true;; first = false) {
    if (bytes.size() - at < 8) {
      problem = "data ends before the end chunk";
      return std::nullopt;
    }
    const uint32_t length = BigEndian(bytes, at);
    const std::string type(reinterpret_cast<const char*>(&bytes[at + 4]), 4);
    if (length > kMaxChunkLength || length + uint64_t{12} > bytes.size() - at) {
      problem = "chunk of " + std::to_string(length) + " bytes runs past the end of the data";
      return std::nullopt;
    }
    const std::span<const uint8_t> data = bytes.subspan(at + 8, length);
    if (first) {
      if (type != "IHDR" || length != 13) {
        problem = "no header chunk first";
        return std::nullopt;
      }
      list.header = {BigEndian(data, 0), BigEndian(data, 4), data[8], data[9], data[12]};
    }
    if (type == "IDAT") list.imageDataBytes += length;
    if (type == "IEND") return list;
    at += size_t{length} + 12;
  }
}

uint64_t RawImageBytes(const PngHeader& header) {
  const uint64_t bits = Channels(header.colourType) * header.bitDepth;
  if (bits == 0) return 0;
  const uint64_t width = header.width, height = header.height;
  if (header.interlace == 0) return RowsBytes(width, height, bits);
  // Adam7: each pass takes every n-th column and row from an offset.
  static constexpr struct {
    uint64_t x0, dx, y0, dy;
  } kPasses[] = {{0, 8, 0, 8}, {4, 8, 0, 8}, {0, 4, 4, 8}, {2, 4, 0, 4},
                 {0, 2, 2, 4}, {1, 2, 0, 2}, {0, 1, 1, 2}};
  uint64_t total = 0;
  for (const auto& p : kPasses) {
    const uint64_t columns = width > p.x0 ? (width - p.x0 + p.dx - 1) / p.dx : 0;
    const uint64_t rows = height > p.y0 ? (height - p.y0 + p.dy - 1) / p.dy : 0;
    total += RowsBytes(columns, rows, bits);
  }
  return total;
}

}  // namespace led::platform
