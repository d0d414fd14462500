// Internal: not installed.
#pragma once
// The system calls that file reads and writes make, as replaceable function pointers,
// so that tests can make a write, fsync or rename fail. Each behaves as the POSIX call
// of its name: -1 (or nullptr) with errno set on failure.
#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace led::platform {

struct FileCalls {
  int (*Open)(const char* path, int flags, mode_t mode);
  ssize_t (*Write)(int fd, const void* data, size_t size);
  int (*Fsync)(int fd);
  int (*Fchmod)(int fd, mode_t mode);
  int (*Close)(int fd);
  int (*Rename)(const char* from, const char* to);
  int (*Unlink)(const char* path);
  int (*Stat)(const char* path, struct stat* info);
  int (*Lstat)(const char* path, struct stat* info);
  ssize_t (*Readlink)(const char* path, char* buffer, size_t size);
};

// The operating system's calls.
const FileCalls& SystemFileCalls();
// The calls in use: the system's unless a ScopedFileCalls is alive.
const FileCalls& CurrentFileCalls();

// Puts `calls` in use for its lifetime, then restores the previous ones. Meant for
// tests; not to be used while another thread reads or writes files.
class ScopedFileCalls {
 public:
  explicit ScopedFileCalls(const FileCalls& calls);
  ~ScopedFileCalls();
  ScopedFileCalls(const ScopedFileCalls&) = delete;
  ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;

 private:
  const FileCalls* previous_;
};

}  // namespace led::platform
