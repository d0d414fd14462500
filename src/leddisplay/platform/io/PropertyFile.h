#pragma once
/// @file
/// The property bag's file: JSON of the form
///   {"format": "leddisplay", "version": 1, "properties": {"Key": {"type": .., "value": ..}}}
/// with the entries in write order. Types: "Integer", "Long", "Boolean" (the 16-bit
/// number), "String", "Double" and "Single" (numbers, or "NaN", "Infinity",
/// "-Infinity"), "Font" (an object of its attributes), "Picture" ({"width", "height",
/// "png": base64 PNG}), "None" (no object) and "Empty" (no value).
///
/// Saving writes the file as WriteWholeFile does, so a failed save leaves the previous
/// file as it was. A picture with no pixels (a side of 0) is kept as its size, "png" "".
/// Every failure raises core::RuntimeError whose description names the file, the key
/// (when there is one) and the problem:
///   53  the file is missing;
///   75  the file or its folder cannot be read or written, the path is a folder (or, on
///       loading, another non-regular file), or the file is over 256 MiB;
///   380 the content is not JSON, has the wrong format or version, holds a number
///       beyond the range of a double, or a value has the wrong shape, or the JSON holds
///       an object of more than 1024 members or with a member named twice, nests more
///       than 512 deep or holds more than 100000 values; on saving, a value that cannot
///       be written (an object that is neither a font nor a bitmap picture) or more than
///       1024 entries.
#include <cstdint>
#include <string>

#include "leddisplay/platform/io/MemoryPropertyBag.h"

namespace led::platform {

/// The largest property file read, in bytes (256 MiB): far beyond any control's
/// properties, even with pictures; it keeps a wrong, huge file out of memory.
inline constexpr uintmax_t kMaxPropertyFileBytes = uintmax_t{256} << 20;

/// Writes the bag to `path`, replacing the file at once.
void SavePropertyFile(const std::string& path, const MemoryPropertyBag& bag);
/// Reads a bag written by SavePropertyFile (or by hand in the same form).
MemoryPropertyBag LoadPropertyFile(const std::string& path);
/// The bag a file's `text` holds, as LoadPropertyFile reads it; errors name `path`, where
/// the text came from (a file a host read by its own means, such as a Qt resource).
MemoryPropertyBag ParsePropertyFile(const std::string& text, const std::string& path);

}  // namespace led::platform
