// EncodePng (libpng's write API, straight from the image's rows) and the PNG files.
#include "leddisplay/platform/io/Png.h"

#include <png.h>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/FileRead.h"
#include "leddisplay/platform/io/FileWrite.h"
#include "leddisplay/platform/io/LibPngErrors.h"
#include "leddisplay/platform/io/LibPngShared.h"

namespace led::platform {
namespace {

// No picture within the size limit needs more than a few gigabytes.
constexpr uintmax_t kMaxPngFileBytes = uintmax_t{4} << 30;

bool SizeIsValid(int32_t width, int32_t height) {
  return width >= 1 && height >= 1 && width <= kMaxPngSide && height <= kMaxPngSide;
}

struct Sink {
  std::vector<uint8_t> bytes;
  bool full = false;
};

void WriteSink(png_structp png, png_bytep data, size_t count) {
  auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
  try {
    sink->bytes.insert(sink->bytes.end(), data, data + count);
  } catch (const std::bad_alloc&) {
    sink->full = true;
  }
  // Outside the handler: libpng leaves by longjmp (see LibPngErrors.h).
  if (sink->full) png_error(png, "out of memory");
}

void FlushSink(png_structp) {}

struct WriteGuard {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~WriteGuard() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

// The calls into libpng, in a frame of trivially destructible objects only.
bool WriteRows(png_structp png, png_infop info, Sink* sink, const Image* image) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, sink, WriteSink, FlushSink);
  png_set_IHDR(png, info, png_uint_32(image->width), png_uint_32(image->height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_write_info(png, info);
  UsePixelLayout(png);
  for (int32_t y = 0; y < image->height; ++y)
    png_write_row(png, reinterpret_cast<png_const_bytep>(image->pixels.data() +
                                                         size_t(y) * size_t(image->width)));
  png_write_end(png, info);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Image& image, const std::string& destination) {
  if (!SizeIsValid(image.width, image.height))
    ThrowInvalidPng(destination, "size " + std::to_string(image.width) + " x " +
                                     std::to_string(image.height) + " is not 1 to " +
                                     std::to_string(kMaxPngSide) + " pixels on a side");
  if (image.pixels.size() != size_t(image.width) * size_t(image.height))
    ThrowInvalidPng(destination, "pixel buffer does not match its size");
  LibPngErrors errors;
  WriteGuard guard;
  guard.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors, LibPngErrors::OnError,
                                      LibPngErrors::OnWarning);
  if (!guard.png) ThrowInvalidPng(destination, "out of memory");
  guard.info = png_create_info_struct(guard.png);
  if (!guard.info) ThrowInvalidPng(destination, "out of memory");
  Sink sink;
  if (!WriteRows(guard.png, guard.info, &sink, &image))
    ThrowInvalidPng(destination, errors.Message());
  return std::move(sink.bytes);
}

Image ReadPngFile(const std::string& path) {
  const std::string bytes = ReadWholeFile(path, kMaxPngFileBytes);
  return DecodePng(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), path);
}

void WritePngFile(const std::string& path, const Image& image) {
  const std::vector<uint8_t> bytes = EncodePng(image, path);
  WriteWholeFile(path, bytes);
}

}  // namespace led::platform
