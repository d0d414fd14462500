#include "leddisplay/platform/io/FileErrors.h"

#include <cstring>

namespace led::platform {

core::RuntimeError FileNotFoundError(const std::string& path) {
  return core::RuntimeError(
      core::kFileNotFound,
      core::RuntimeError::StandardDescription(core::kFileNotFound) + ": \"" + path + "\"");
}

core::RuntimeError FileAccessError(const std::string& path, const std::string& what, int error) {
  std::string description =
      core::RuntimeError::StandardDescription(core::kFileAccess) + ": \"" + path + "\": " + what;
  if (error != 0) description += std::string(": ") + std::strerror(error);
  return core::RuntimeError(core::kFileAccess, description);
}

}  // namespace led::platform
