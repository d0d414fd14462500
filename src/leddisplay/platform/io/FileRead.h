// Internal: not installed.
#pragma once
// Reads a whole regular file into memory. Errors (core::RuntimeError, worded as in
// FileErrors.h): 53 when nothing is at `path`; 75 when it is a folder, a device, FIFO or
// other non-regular file (which might never end), larger than `maxBytes`, or unreadable.
#include <cstdint>
#include <string>

namespace led::platform {

std::string ReadWholeFile(const std::string& path, uintmax_t maxBytes);

}  // namespace led::platform
