// Internal: not installed.
#pragma once
// The wording of file errors, the same for pictures, property files and snapshots:
//   53 (core::kFileNotFound)  File not found: "<path>"
//   75 (core::kFileAccess)    Path/File access error: "<path>": <what failed>[: <reason>]
// where the reason is the system's text for an errno value.
#include <string>

#include "leddisplay/core/RuntimeError.h"

namespace led::platform {

core::RuntimeError FileNotFoundError(const std::string& path);
// `error` is an errno value whose text ends the description; 0 adds none.
core::RuntimeError FileAccessError(const std::string& path, const std::string& what, int error = 0);

}  // namespace led::platform
