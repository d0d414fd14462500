#pragma once
// PNG reading and writing for pictures and snapshots. Decoding refuses corrupt data and
// images over kMaxPngSide pixels on a side with core::RuntimeError 481
// "Invalid picture: <source>: <problem>"; nothing is allocated for an image before its
// size has been checked.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "leddisplay/platform/Image.h"

namespace led::platform {

inline constexpr int32_t kMaxPngSide = 16384;

// Decodes PNG bytes of any colour type into RGBA; `source` names the data in errors.
Image DecodePng(std::span<const uint8_t> bytes, const std::string& source = "PNG data");
// Encodes an RGBA image (1..kMaxPngSide on a side) as an 8-bit RGBA PNG; other sizes or
// a pixel buffer that does not match the size give error 481, naming `destination`.
std::vector<uint8_t> EncodePng(const Image& image, const std::string& destination = "image");

// Reads a PNG file: 53 "File not found: <path>" when missing, 75 "Path/File access
// error: <path>: <reason>" when unreadable, 481 when not a valid picture.
Image ReadPngFile(const std::string& path);
// Writes a PNG file atomically (a temporary file in the same folder, then rename), so a
// failed write leaves any previous file intact; 75 on failure, 481 for an unencodable image.
void WritePngFile(const std::string& path, const Image& image);

// Writes bytes to a file atomically, as WritePngFile does; 75 on failure.
void WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace led::platform
