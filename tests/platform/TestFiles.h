#pragma once
// Files for the platform tests: a scratch folder, whole-file reads and writes, and the
// byte work needed to damage a PNG while keeping its chunk checksums right, or to build
// one from its parts.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <zlib.h>

namespace led::platform::testing_support {

// A fresh folder under the system's temporary folder, removed with its files at the end.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("led-raster-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

}  // namespace led::platform::testing_support
