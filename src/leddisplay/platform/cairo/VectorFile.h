#pragma once
/// @file
/// A Drawing written as SVG or PDF through Cairo. One unit of the drawing is `scale` CSS
/// pixels (1 unless given; 0.5 draws it half as wide and high): the SVG is width x height
/// x scale px (its user units the drawing's, through its viewBox), the PDF one page of
/// width x height x scale x 0.75 points (96 pixels an inch). The bytes are made in memory
/// first, so a refused drawing writes nothing: a page below 1 pixel or, for PDF, above
/// kMaxPdfSide pixels on a side (the 14400-point page limit PDF readers keep) raises 481
/// "Invalid picture: <destination>: <problem>", as a PNG that cannot be encoded does; for
/// a page too large the problem says how much smaller it fits: "size 20000 x 10 is not 1
/// to 19200 pixels on a side (14400 points, the largest PDF page); at most 0.96 times as
/// large, it fits". A scale that is not finite or not above 0 raises 5.
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

/// The widest and tallest PDF page, in CSS pixels (14400 points).
inline constexpr int32_t kMaxPdfSide = 19200;

/// The file's bytes; `format` is kSvg or kPdf (5 for kPng), `destination` names it in
/// errors, `scale` is the CSS pixels of a unit (see above).
std::vector<uint8_t> EncodeVector(const Drawing& drawing, SnapshotFormat format,
                                  const std::string& destination = "picture", double scale = 1);
/// Writes the file as WriteWholeFile does (atomic replace, links kept, devices written
/// directly; 75 on failure, the previous file kept); "-" writes to standard output.
void WriteVectorFile(const std::string& path, const Drawing& drawing, SnapshotFormat format);
/// Writes the bytes to a stream; 75 when the stream fails.
void WriteVector(std::ostream& out, const Drawing& drawing, SnapshotFormat format);

}  // namespace led::platform
