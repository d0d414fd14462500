// DecodePng: the chunk list and header checked first, then libpng's full read API with
// its transformations to 8-bit RGBA, reading straight into the image's rows.
#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/LibPngErrors.h"
#include "leddisplay/platform/io/LibPngShared.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/io/PngChunks.h"

namespace led::platform {

namespace {

// Deflate packs at most 1032 bytes into one (a 258-byte match in two 1-bit codes).
constexpr uint64_t kMostBytesPerCompressedByte = 1032;
// Ancillary chunks libpng still reads (palette, transparency, gamma) are tiny; no
// chunk it allocates for may take more.
constexpr png_alloc_size_t kMaxChunkMemory = 1 << 20;
// Rows decoded between two growths of the image.
constexpr uint32_t kRowsPerBand = 64;

// Ancillary chunks that do not change the pixels: skipped unread, without allocating.
constexpr png_byte kSkippedChunks[] =
    "bKGD\0cHRM\0eXIf\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0sCAL\0sPLT\0sTER\0tEXt\0tIME\0zTXt";
constexpr int kSkippedChunkCount = sizeof kSkippedChunks / 5;

struct Source {
  const uint8_t* data;
  size_t size;
  size_t at;
};

void ReadSource(png_structp png, png_bytep out, size_t count) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (count > source->size - source->at) png_error(png, "data ends early");
  std::memcpy(out, source->data + source->at, count);
  source->at += count;
}

struct ReadGuard {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~ReadGuard() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// The calls into libpng, each in a frame of trivially destructible objects only (see
// LibPngErrors.h).
bool StartReading(png_structp png, png_infop info, Source* input) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, uint32_t(kMaxPngSide), uint32_t(kMaxPngSide));
  png_set_chunk_malloc_max(png, kMaxChunkMemory);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkippedChunks, kSkippedChunkCount);
  png_set_read_fn(png, input, ReadSource);
  png_read_info(png, info);
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  // Colours in sRGB as the file's gamma says; alpha stays straight.
  png_set_alpha_mode(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
  UsePixelLayout(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  return true;
}

bool ReadRows(png_structp png, png_bytepp rows, png_uint_32 count) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_rows(png, rows, nullptr, count);
  return true;
}

bool ReadAllRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

png_bytep RowOf(Image& image, uint32_t y) {
  return reinterpret_cast<png_bytep>(image.pixels.data() + size_t(y) * size_t(image.width));
}

}  // namespace

Image DecodePng(std::span<const uint8_t> bytes, const std::string& source) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0)
    ThrowInvalidPng(source, "not a PNG file");
  std::string problem;
  const auto chunks = WalkPngChunks(bytes, problem);
  if (!chunks) ThrowInvalidPng(source, problem);
  const PngHeader& header = chunks->header;
  const uint32_t width = header.width, height = header.height;
  if (width > uint32_t(kMaxPngSide) || height > uint32_t(kMaxPngSide))
    ThrowInvalidPng(source, "image of " + std::to_string(width) + " x " + std::to_string(height) +
                                " pixels is larger than " + std::to_string(kMaxPngSide) +
                                " pixels on a side");
  if (width == 0 || height == 0) ThrowInvalidPng(source, "image has no pixels");
  // Less compressed data than the rows need cannot decode; refusing it here keeps a
  // small hostile file from taking the memory of the picture it claims to be.
  if (chunks->imageDataBytes * kMostBytesPerCompressedByte < RawImageBytes(header))
    ThrowInvalidPng(source, "image data too short for " + std::to_string(width) + " x " +
                                std::to_string(height) + " pixels");

  LibPngErrors errors;
  ReadGuard guard;
  guard.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &errors, LibPngErrors::OnError,
                                     LibPngErrors::OnWarning);
  if (!guard.png) ThrowInvalidPng(source, "out of memory");
  guard.info = png_create_info_struct(guard.png);
  if (!guard.info) ThrowInvalidPng(source, "out of memory");
  Source input{bytes.data(), bytes.size(), 0};
  if (!StartReading(guard.png, guard.info, &input)) ThrowInvalidPng(source, errors.Message());
  if (png_get_rowbytes(guard.png, guard.info) != size_t(width) * 4)
    ThrowInvalidPng(source, "unsupported pixel format");

  Image image;
  image.width = int32_t(width);
  image.height = int32_t(height);
  image.pixels.reserve(size_t(width) * height);
  if (header.interlace != 0) {
    // Every pass touches every row: the image is needed whole from the start.
    image.pixels.resize(size_t(width) * height);
    std::unique_ptr<png_bytep[]> rows(new png_bytep[height]);
    for (uint32_t y = 0; y < height; ++y) rows[y] = RowOf(image, y);
    if (!ReadAllRows(guard.png, rows.get())) ThrowInvalidPng(source, errors.Message());
    return image;
  }
  // The image grows a band at a time as its rows decode, so data that fails early has
  // taken only the memory of the rows it delivered.
  png_bytep rows[kRowsPerBand];
  for (uint32_t y = 0; y < height; y += kRowsPerBand) {
    const uint32_t count = std::min(kRowsPerBand, height - y);
    image.pixels.resize(size_t(width) * (y + count));
    for (uint32_t i = 0; i < count; ++i) rows[i] = RowOf(image, y + i);
    if (!ReadRows(guard.png, rows, count)) ThrowInvalidPng(source, errors.Message());
  }
  return image;
}

}  // namespace led::platform
