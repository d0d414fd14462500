#include "leddisplay/platform/io/FileRead.h"

#include <cerrno>
#include <fstream>

#include <sys/stat.h>

#include "leddisplay/platform/io/FileCalls.h"
#include "leddisplay/platform/io/FileErrors.h"

namespace led::platform {

std::string ReadWholeFile(const std::string& path, uintmax_t maxBytes) {
  struct stat info {};
  if (CurrentFileCalls().Stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) throw FileNotFoundError(path);
    throw FileAccessError(path, "cannot be examined", errno);
  }
  if (S_ISDIR(info.st_mode)) throw FileAccessError(path, "is a folder");
  if (!S_ISREG(info.st_mode)) throw FileAccessError(path, "is not a regular file");
  if (uintmax_t(info.st_size) > maxBytes)
    throw FileAccessError(path, "is too large (" + std::to_string(info.st_size) +
                                    " bytes, at most " + std::to_string(maxBytes) + ")");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileAccessError(path, "cannot be opened for reading", errno);
  // The size seen above is read in one go; a file cut short meanwhile is a failed read.
  std::string bytes(size_t(info.st_size), '\0');
  if (!in.read(bytes.data(), std::streamsize(bytes.size())))
    throw FileAccessError(path, "read failed");
  return bytes;
}

}  // namespace led::platform
