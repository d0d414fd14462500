#pragma once
/// @file
/// PNG reading and writing for pictures and snapshots. Decoding refuses corrupt data and
/// images over kMaxPngSide pixels on a side with core::RuntimeError 481
/// "Invalid picture: <source>: <problem>".
///
/// Memory budget of decoding: the RGBA image (4 bytes a pixel) and a few rows, nothing
/// else that grows with the data. The image is allocated only when the compressed image
/// data (the IDAT chunks) could expand, at deflate's best ratio of 1032:1, to every row the
/// header asks for, so it never exceeds 32 x 1032 bytes per byte of image data (1-bit
/// pixels), nor 1 GiB; a non-interlaced image grows a band of rows at a time as the data
/// decodes. Every chunk must lie within the data; ancillary chunks that do not change
/// the pixels (text, sPLT, iCCP, ...) are skipped unread, and libpng allocates at most
/// 1 MiB for any other.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "leddisplay/platform/raster/Image.h"

namespace led::platform {

/// The widest and tallest image, in pixels, that decoding and encoding take.
inline constexpr int32_t kMaxPngSide = 16384;

/// Decodes PNG bytes of any colour type into RGBA; `source` names the data in errors.
Image DecodePng(std::span<const uint8_t> bytes, const std::string& source = "PNG data");
/// Encodes an RGBA image (1..kMaxPngSide on a side) as an 8-bit RGBA PNG; other sizes or
/// a pixel buffer that does not match the size give error 481, naming `destination`.
std::vector<uint8_t> EncodePng(const Image& image, const std::string& destination = "image");

/// Reads a PNG file (file errors 53 and 75 as ReadWholeFile raises them, for files of up
/// to 4 GiB); 481 when not a valid picture.
Image ReadPngFile(const std::string& path);
/// Writes a PNG file as WriteWholeFile does (a failed write keeps the previous file; 75);
/// 481 for an unencodable image, before anything is written.
void WritePngFile(const std::string& path, const Image& image);

}  // namespace led::platform
