#pragma once
/// @file
/// A Drawing written as SVG or PDF through Cairo. One unit of the drawing is one CSS
/// pixel: the SVG is width x height px (its user units the drawing's), the PDF one page
/// of width x height x 0.75 points (96 units an inch). The bytes are made in memory
/// first, so a refused drawing writes nothing: a size below 1 or, for PDF, above
/// kMaxPdfSide units on a side (the 14400-point page limit PDF readers keep) raises 481
/// "Invalid picture: <destination>: <problem>", as a PNG that cannot be encoded does.
/// The same drawing gives the same bytes: the PDF carries no creation date unless
/// SOURCE_DATE_EPOCH (seconds since 1970) gives one, and the SVG's ids are numbered
/// within the document.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/platform/vector/SnapshotFormat.h"

namespace led::platform {

/// The widest and tallest PDF page, in units (14400 points).
inline constexpr int32_t kMaxPdfSide = 19200;

/// The file's bytes; `format` is kSvg or kPdf (5 for kPng), `destination` names it in
/// errors.
std::vector<uint8_t> EncodeVector(const Drawing& drawing, SnapshotFormat format,
                                  const std::string& destination = "picture");
/// Writes the file as WriteWholeFile does (atomic replace, links kept, devices written
/// directly; 75 on failure, the previous file kept); "-" writes to standard output.
void WriteVectorFile(const std::string& path, const Drawing& drawing, SnapshotFormat format);
/// Writes the bytes to a stream; 75 when the stream fails.
void WriteVector(std::ostream& out, const Drawing& drawing, SnapshotFormat format);

}  // namespace led::platform
