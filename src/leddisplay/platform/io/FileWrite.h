// Internal: not installed.
#pragma once
// Writes a whole file without harming what the path names:
// - a regular file, or none yet, is replaced atomically: the bytes go to a temporary
//   file in the same folder, are synced and renamed over it. An existing file keeps its
//   permission bits; a new one gets 0666 less the umask. On any failure the previous
//   file is left byte for byte and the temporary file is removed;
// - a symbolic link stays a link: the file it leads to is written as above;
// - a device, FIFO or socket is opened and written directly, never replaced, also when
//   reached through a link that names no path (/dev/stdout on a pipe);
// - a folder is refused, and a path in a folder that does not exist names the folder.
// Every failure raises core::RuntimeError 75 naming `path` (see FileErrors.h). The system
// calls are those of CurrentFileCalls().
#include <cstdint>
#include <span>
#include <string>

namespace led::platform {

void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace led::platform
