#pragma once
// The byte work needed to damage a PNG while keeping its chunk checksums right, or to
// build one from its parts: chunk CRCs and the big-endian 32-bit fields of chunk
// lengths and the header.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <zlib.h>

namespace led::test {

// The CRC-32 that PNG chunks carry.
inline uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 |
         bytes[at + 3];
}

inline void PutBigEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (24 - 8 * i));
}

// One PNG chunk: length, type, data and checksum.
inline std::vector<uint8_t> Chunk(const std::string& type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> chunk(8 + data.size() + 4);
  PutBigEndian(chunk, 0, uint32_t(data.size()));
  std::copy(type.begin(), type.begin() + 4, chunk.begin() + 4);
  std::copy(data.begin(), data.end(), chunk.begin() + 8);
  PutBigEndian(chunk, 8 + data.size(), Crc32(&chunk[4], 4 + data.size()));
  return chunk;
}

// PNG data of the given header whose image data is `raw` (filtered rows, each starting
// with its filter byte) compressed by zlib at its best, with `extra` chunks (whole, as
// Chunk makes them) between the header and the image data.
inline std::vector<uint8_t> MakePng(uint32_t width, uint32_t height, uint8_t depth,
                                    uint8_t colourType, uint8_t interlace,
                                    const std::vector<uint8_t>& raw,
                                    const std::vector<uint8_t>& extra = {}) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header(13);
  PutBigEndian(header, 0, width);
  PutBigEndian(header, 4, height);
  header[8] = depth;
  header[9] = colourType;
  header[12] = interlace;
  uLongf size = compressBound(uLong(raw.size()));
  std::vector<uint8_t> compressed(size);
  compress2(compressed.data(), &size, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION);
  compressed.resize(size);
  for (const auto& part :
       {Chunk("IHDR", header), extra, Chunk("IDAT", compressed), Chunk("IEND", {})})
    png.insert(png.end(), part.begin(), part.end());
  return png;
}

}  // namespace led::test
