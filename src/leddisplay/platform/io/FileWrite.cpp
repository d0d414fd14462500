#include "leddisplay/platform/io/FileWrite.h"

#include <cerrno>
#include <climits>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>

#include "leddisplay/platform/io/FileCalls.h"
#include "leddisplay/platform/io/FileErrors.h"

namespace led::platform {

namespace {

// As the kernel allows when it follows links itself.
constexpr int kMaxLinkHops = 40;

// What `path` finally names once symbolic links are followed, with its status; `exists`
// is false when nothing is there (a new file, or a link to a missing one).
struct Destination {
  std::string path;
  bool exists = false;
  struct stat info {};
};

Destination Resolve(const FileCalls& calls, const std::string& path) {
  Destination d{path};
  for (int hop = 0;; ++hop) {
    if (calls.Lstat(d.path.c_str(), &d.info) != 0) {
      if (errno != ENOENT) throw FileAccessError(path, "cannot be examined", errno);
      return d;
    }
    if (!S_ISLNK(d.info.st_mode)) break;
    if (hop == kMaxLinkHops) throw FileAccessError(path, "cannot be followed", ELOOP);
    char target[PATH_MAX];
    const ssize_t n = calls.Readlink(d.path.c_str(), target, sizeof target);
    if (n < 0) throw FileAccessError(path, "cannot be followed", errno);
    if (size_t(n) >= sizeof target) throw FileAccessError(path, "cannot be followed", ENAMETOOLONG);
    const std::filesystem::path link(std::string(target, size_t(n)));
    d.path = link.is_absolute() ? link.string()
                                : (std::filesystem::path(d.path).parent_path() / link).string();
  }
  d.exists = true;
  return d;
}

// Writes every byte; false with errno set on failure.
bool WriteAll(const FileCalls& calls, int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = calls.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += size_t(n);
  }
  return true;
}

void WriteDirectly(const FileCalls& calls, const std::string& path, const std::string& target,
                   std::span<const uint8_t> bytes) {
  const int fd = calls.Open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC, 0);
  if (fd < 0) throw FileAccessError(path, "cannot be opened for writing", errno);
  if (!WriteAll(calls, fd, bytes)) {
    const int error = errno;
    calls.Close(fd);
    throw FileAccessError(path, "write failed", error);
  }
  if (calls.Close(fd) != 0) throw FileAccessError(path, "write failed", errno);
}

// A new file beside `target` that no one else has, open for writing.
int CreateTemporary(const FileCalls& calls, const std::string& path, const std::string& target,
                    mode_t mode, std::string& temp) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::minstd_rand random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = target + ".tmp-";
    for (int i = 0; i < 8; ++i) temp += kLetters[random() % (sizeof kLetters - 1)];
    const int fd = calls.Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) return fd;
    if (errno == ENOENT) {
      const std::string folder = std::filesystem::path(target).parent_path().string();
      throw FileAccessError(path, "its folder \"" + folder + "\" does not exist", ENOENT);
    }
    if (errno != EEXIST) throw FileAccessError(path, "cannot create a temporary file", errno);
  }
  throw FileAccessError(path, "cannot create a temporary file", EEXIST);
}

void ReplaceAtomically(const FileCalls& calls, const std::string& path, const Destination& d,
                       std::span<const uint8_t> bytes) {
  // A new file gets the usual permissions through the umask; a replaced one its own,
  // set once the temporary file (private until then) is complete.
  std::string temp;
  const int fd = CreateTemporary(calls, path, d.path, d.exists ? 0600 : 0666, temp);
  const auto fail = [&](const char* what, int error, bool open) {
    if (open) calls.Close(fd);
    calls.Unlink(temp.c_str());
    throw FileAccessError(path, what, error);
  };
  if (!WriteAll(calls, fd, bytes)) fail("write failed", errno, true);
  if (d.exists && calls.Fchmod(fd, d.info.st_mode & 07777) != 0)
    fail("cannot keep the file's permissions", errno, true);
  if (calls.Fsync(fd) != 0) fail("write failed", errno, true);
  if (calls.Close(fd) != 0) fail("write failed", errno, false);
  if (calls.Rename(temp.c_str(), d.path.c_str()) != 0)
    fail("cannot replace the file", errno, false);
}

}  // namespace

void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
  if (path.empty()) throw FileAccessError(path, "no file name");
  const FileCalls& calls = CurrentFileCalls();
  const Destination d = Resolve(calls, path);
  if (d.exists && S_ISDIR(d.info.st_mode)) throw FileAccessError(path, "is a folder");
  if (d.exists && !S_ISREG(d.info.st_mode)) return WriteDirectly(calls, path, d.path, bytes);
  // A link that names no path but the kernel still follows (/dev/stdout on a pipe leads
  // to "pipe:[n]"): what it reaches is written directly when it is not a file.
  struct stat reached {};
  if (!d.exists && calls.Stat(path.c_str(), &reached) == 0 && !S_ISREG(reached.st_mode)) {
    if (S_ISDIR(reached.st_mode)) throw FileAccessError(path, "is a folder");
    return WriteDirectly(calls, path, path, bytes);
  }
  ReplaceAtomically(calls, path, d, bytes);
}

}  // namespace led::platform
