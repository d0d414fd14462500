#include "leddisplay/platform/Png.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "leddisplay/core/RuntimeError.h"

namespace led::platform {
namespace {

[[noreturn]] void ThrowInvalid(const std::string& source, const std::string& problem) {
  throw core::RuntimeError(core::kInvalidPicture, "Invalid picture: " + source + ": " + problem);
}

[[noreturn]] void ThrowAccess(const std::string& path, const std::string& reason) {
  throw core::RuntimeError(core::kFileAccess, "Path/File access error: " + path + ": " + reason);
}

// The libpng simplified API keeps its own error state (it never longjmps through our
// frames); this frees whatever it allocated on every path out.
struct ImageGuard {
  png_image image{};
  ImageGuard() { image.version = PNG_IMAGE_VERSION; }
  ~ImageGuard() { png_image_free(&image); }
  std::string Message() const { return image.message[0] ? image.message : "unknown error"; }
};

constexpr off_t kMaxPngFileBytes = off_t{4} << 30;

bool SizeIsValid(int32_t width, int32_t height) {
  return width >= 1 && height >= 1 && width <= kMaxPngSide && height <= kMaxPngSide;
}

// Our Pixel holds R, G, B, A from the low byte up; libpng's RGBA format wants those bytes
// in that order in memory.
void ToBytes(const Image& image, std::vector<uint8_t>& bytes) {
  bytes.resize(image.pixels.size() * 4);
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(bytes.data(), image.pixels.data(), bytes.size());
  } else {
    for (size_t i = 0; i < image.pixels.size(); ++i)
      for (int c = 0; c < 4; ++c) bytes[i * 4 + c] = uint8_t(image.pixels[i] >> (8 * c));
  }
}

// The image data bytes present in the file: the payloads of its IDAT chunks, as far
// as they are there.
uint64_t ImageDataBytes(std::span<const uint8_t> bytes) {
  const auto bigEndian = [&](size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 |
           uint32_t{bytes[at + 2]} << 8 | uint32_t{bytes[at + 3]};
  };
  uint64_t total = 0;
  size_t at = 8;
  while (at + 8 <= bytes.size()) {
    const uint64_t length = bigEndian(at);
    const uint64_t present = std::min<uint64_t>(length, bytes.size() - at - 8);
    if (std::memcmp(&bytes[at + 4], "IDAT", 4) == 0) total += present;
    if (length + 12 > bytes.size() - at) break;
    at += size_t(length) + 12;
  }
  return total;
}

// Whether the file holds enough compressed data for its claimed size. Deflate packs at
// most 1032 bytes into one (a 258-byte match in two 1-bit codes), so less data than
// that ratio allows cannot decode; refusing it first keeps a small hostile file from
// taking the memory of the picture it claims to be.
bool HasDataFor(std::span<const uint8_t> bytes, uint64_t width, uint64_t height) {
  constexpr uint64_t kMostBytesPerByte = 1100;  // above deflate's 1032, for safety
  // IHDR comes first (libpng checked it): bit depth at 24, colour type at 25.
  const uint64_t depth = bytes[24];
  const uint8_t colourType = bytes[25];
  const uint64_t channels = colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
  const uint64_t leastRawBytes = width * height * depth * channels / 8;
  return ImageDataBytes(bytes) * kMostBytesPerByte >= leastRawBytes;
}

}  // namespace

Image DecodePng(std::span<const uint8_t> bytes, const std::string& source) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0)
    ThrowInvalid(source, "not a PNG file");
  ImageGuard guard;
  if (!png_image_begin_read_from_memory(&guard.image, bytes.data(), bytes.size()))
    ThrowInvalid(source, guard.Message());
  const png_uint_32 width = guard.image.width;
  const png_uint_32 height = guard.image.height;
  if (width > uint32_t(kMaxPngSide) || height > uint32_t(kMaxPngSide))
    ThrowInvalid(source, "image of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels is larger than " + std::to_string(kMaxPngSide) +
                             " pixels on a side");
  if (width == 0 || height == 0) ThrowInvalid(source, "image has no pixels");
  if (!HasDataFor(bytes, width, height))
    ThrowInvalid(source, "image data too short for " + std::to_string(width) + " x " +
                             std::to_string(height) + " pixels");
  guard.image.format = PNG_FORMAT_RGBA;

  Image image(static_cast<int32_t>(width), static_cast<int32_t>(height));
  const png_int_32 stride = png_int_32(width) * 4;
  if constexpr (std::endian::native == std::endian::little) {
    if (!png_image_finish_read(&guard.image, nullptr, image.pixels.data(), stride, nullptr))
      ThrowInvalid(source, guard.Message());
  } else {
    std::vector<uint8_t> buffer(size_t(width) * height * 4);
    if (!png_image_finish_read(&guard.image, nullptr, buffer.data(), stride, nullptr))
      ThrowInvalid(source, guard.Message());
    for (size_t i = 0; i < image.pixels.size(); ++i)
      image.pixels[i] =
          MakePixel(buffer[i * 4], buffer[i * 4 + 1], buffer[i * 4 + 2], buffer[i * 4 + 3]);
  }
  return image;
}

std::vector<uint8_t> EncodePng(const Image& image, const std::string& destination) {
  if (!SizeIsValid(image.width, image.height))
    ThrowInvalid(destination, "size " + std::to_string(image.width) + " x " +
                                  std::to_string(image.height) + " is not 1 to " +
                                  std::to_string(kMaxPngSide) + " pixels on a side");
  if (image.pixels.size() != size_t(image.width) * size_t(image.height))
    ThrowInvalid(destination, "pixel buffer does not match its size");
  std::vector<uint8_t> raw;
  ToBytes(image, raw);

  ImageGuard guard;
  guard.image.width = png_uint_32(image.width);
  guard.image.height = png_uint_32(image.height);
  guard.image.format = PNG_FORMAT_RGBA;
  const png_int_32 stride = image.width * 4;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&guard.image, nullptr, &size, 0, raw.data(), stride, nullptr))
    ThrowInvalid(destination, guard.Message());
  std::vector<uint8_t> out(size);
  if (!png_image_write_to_memory(&guard.image, out.data(), &size, 0, raw.data(), stride, nullptr))
    ThrowInvalid(destination, guard.Message());
  out.resize(size);
  return out;
}

Image ReadPngFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      throw core::RuntimeError(core::kFileNotFound, "File not found: " + path);
    ThrowAccess(path, std::strerror(errno));
  }
  // Refused before reading: a device or pipe might never end, and no picture within the
  // size limit needs more than a few gigabytes.
  if (S_ISDIR(info.st_mode)) ThrowAccess(path, "is a folder");
  if (!S_ISREG(info.st_mode)) ThrowAccess(path, "not a regular file");
  if (info.st_size > kMaxPngFileBytes)
    ThrowInvalid(path, "file of " + std::to_string(info.st_size) + " bytes is too large");
  std::ifstream in(path, std::ios::binary);
  if (!in) ThrowAccess(path, "cannot be opened for reading");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (in.bad()) ThrowAccess(path, "read failed");
  return DecodePng(bytes, path);
}

void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0)
    ThrowAccess(path, std::string("cannot create a temporary file: ") + std::strerror(errno));
  const auto fail = [&](const char* what) {
    const std::string reason = std::string(what) + ": " + std::strerror(errno);
    ::close(fd);
    ::unlink(temp.c_str());
    ThrowAccess(path, reason);
  };
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("write failed");
    }
    done += size_t(n);
  }
  // mkstemp makes the file private; give it the usual permissions.
  if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) fail("write failed");
  if (::close(fd) != 0) {
    const std::string reason = std::string("write failed: ") + std::strerror(errno);
    ::unlink(temp.c_str());
    ThrowAccess(path, reason);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string reason = std::string("cannot replace the file: ") + std::strerror(errno);
    ::unlink(temp.c_str());
    ThrowAccess(path, reason);
  }
}

void WritePngFile(const std::string& path, const Image& image) {
  const std::vector<uint8_t> bytes = EncodePng(image, path);
  WriteFileAtomically(path, bytes);
}

}  // namespace led::platform
