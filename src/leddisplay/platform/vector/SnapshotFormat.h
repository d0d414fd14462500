#pragma once
/// @file
/// The picture formats a snapshot of the control is written in, chosen by name or by
/// a file name's extension.
#include <string>

namespace led::platform {

/// PNG (pixels), SVG and PDF (shapes).
enum class SnapshotFormat { kPng, kSvg, kPdf };

/// The format a file name asks for by its extension, in any letter case: ".png", ".svg",
/// ".pdf"; a name without an extension (a device, "-") is PNG. Any other extension
/// raises 5 naming the path and the formats.
SnapshotFormat SnapshotFormatOf(const std::string& path);
/// The format named "png", "svg" or "pdf" (any letter case); 5 for another name.
SnapshotFormat SnapshotFormatNamed(const std::string& name);

}  // namespace led::platform
