#include "leddisplay/platform/io/FileCalls.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace led::platform {

namespace {

const FileCalls kSystem{
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    [](int fd, const void* data, size_t size) { return ::write(fd, data, size); },
    [](int fd) { return ::fsync(fd); },
    [](int fd, mode_t mode) { return ::fchmod(fd, mode); },
    [](int fd) { return ::close(fd); },
    [](const char* from, const char* to) { return ::rename(from, to); },
    [](const char* path) { return ::unlink(path); },
    [](const char* path, struct stat* info) { return ::stat(path, info); },
    [](const char* path, struct stat* info) { return ::lstat(path, info); },
    [](const char* path, char* buffer, size_t size) { return ::readlink(path, buffer, size); },
};

const FileCalls* current = &kSystem;

}  // namespace

const FileCalls& SystemFileCalls() {
  return kSystem;
}

const FileCalls& CurrentFileCalls() {
  return *current;
}

ScopedFileCalls::ScopedFileCalls(const FileCalls& calls) : previous_(current) {
  current = &calls;
}

ScopedFileCalls::~ScopedFileCalls() {
  current = previous_;
}

}  // namespace led::platform
