// Whole-file writes: what each kind of destination becomes (regular file, link, device,
// FIFO, folder), and failing system calls injected at each step, which must leave the
// previous file byte for byte with no temporary file behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/io/FileCalls.h"
#include "leddisplay/platform/io/FileWrite.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "support/ExpectRuntimeError.h"
#include "support/FileContents.h"
#include "support/ScratchFolder.h"

namespace led::platform {
namespace {

namespace fs = std::filesystem;

const std::vector<uint8_t> kOld = {'o', 'l', 'd', '\n'};
const std::vector<uint8_t> kNew = {'n', 'e', 'w', ' ', 'b', 'y', 't', 'e', 's', '\n'};

mode_t PermissionsOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

size_t EntriesIn(const test::ScratchFolder& folder) {
  return size_t(std::distance(fs::directory_iterator(folder.Root()), {}));
}

TEST(FileWrite, ARegularFileIsReplacedAndKeepsItsPermissions) {
  test::ScratchFolder folder;
  for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0755}}) {
    const std::string path = folder.Path("kept");
    test::WriteFileBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    WriteWholeFile(path, kNew);
    EXPECT_EQ(test::ReadFileBytes(path), kNew);
    EXPECT_EQ(PermissionsOf(path), mode);
    EXPECT_EQ(EntriesIn(folder), 1u);
  }
  // A new file gets the usual permissions less the umask.
  const mode_t mask = ::umask(022);
  WriteWholeFile(folder.Path("new"), kNew);
  ::umask(mask);
  EXPECT_EQ(PermissionsOf(folder.Path("new")), mode_t{0644});
}

TEST(FileWrite, ASymbolicLinkStaysALinkAndItsFileIsReplaced) {
  test::ScratchFolder folder;
  fs::create_directory(folder.Path("real"));
  const std::string target = folder.Path("real/picture.png");
  test::WriteFileBytes(target, kOld);
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  // A relative link, reached through a second link.
  fs::create_symlink("real/picture.png", folder.Path("link"));
  fs::create_symlink(folder.Path("link"), folder.Path("link2"));
  WriteWholeFile(folder.Path("link2"), kNew);
  EXPECT_TRUE(fs::is_symlink(folder.Path("link")));
  EXPECT_TRUE(fs::is_symlink(folder.Path("link2")));
  EXPECT_EQ(test::ReadFileBytes(target), kNew);
  EXPECT_EQ(PermissionsOf(target), mode_t{0600});
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path("real")), {}), 1);

  // A link to a file not there yet creates that file.
  fs::create_symlink("real/later.png", folder.Path("dangling"));
  WriteWholeFile(folder.Path("dangling"), kNew);
  EXPECT_TRUE(fs::is_symlink(folder.Path("dangling")));
  EXPECT_EQ(test::ReadFileBytes(folder.Path("real/later.png")), kNew);

  fs::create_symlink("loop", folder.Path("loop"));
  EXPECT_RUNTIME_ERROR_TEXT(WriteWholeFile(folder.Path("loop"), kNew), core::kFileAccess,
                            folder.Path("loop"));
}

TEST(FileWrite, DevicesAndPipesAreWrittenNeverReplaced) {
  WriteWholeFile("/dev/null", kNew);
  struct stat info {};
  ASSERT_EQ(::stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));

  test::ScratchFolder folder;
  const std::string fifo = folder.Path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::vector<uint8_t> received;
  std::thread reader([&] {
    const int fd = ::open(fifo.c_str(), O_RDONLY);
    uint8_t buffer[256];
    ssize_t n = 0;
    while (fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0)
      received.insert(received.end(), buffer, buffer + n);
    if (fd >= 0) ::close(fd);
  });
  std::vector<uint8_t> large(200000);
  for (size_t i = 0; i < large.size(); ++i) large[i] = uint8_t(i * 7);
  WriteWholeFile(fifo, large);
  reader.join();
  EXPECT_EQ(received, large);
  ASSERT_EQ(::lstat(fifo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(FileWrite, AFolderOrNoNameIsRefused) {
  test::ScratchFolder folder;
  fs::create_directory(folder.Path("taken"));
  const core::RuntimeError e =
      test::RaisedError([&] { WriteWholeFile(folder.Path("taken"), kNew); });
  EXPECT_EQ(e.number(), core::kFileAccess);
  EXPECT_EQ(e.description(),
            "Path/File access error: \"" + folder.Path("taken") + "\": is a folder");
  EXPECT_TRUE(fs::is_directory(folder.Path("taken")));
  EXPECT_EQ(EntriesIn(folder), 1u);
  EXPECT_EQ(test::RaisedError([&] { WriteWholeFile("", kNew); }).description(),
            "Path/File access error: \"\": no file name");
}

// The system's calls with one step made to fail.
FileCalls Failing(const std::string& step) {
  FileCalls calls = SystemFileCalls();
  if (step == "write")
    calls.Write = [](int, const void*, size_t) -> ssize_t { return errno = ENOSPC, -1; };
  if (step == "fsync") calls.Fsync = [](int) { return errno = EIO, -1; };
  if (step == "fchmod") calls.Fchmod = [](int, mode_t) { return errno = EPERM, -1; };
  if (step == "close") calls.Close = [](int fd) { return ::close(fd), errno = EIO, -1; };
  if (step == "rename") calls.Rename = [](const char*, const char*) { return errno = EXDEV, -1; };
  if (step == "open") calls.Open = [](const char*, int, mode_t) { return errno = EACCES, -1; };
  return calls;
}

TEST(FileWrite, AFailingStepKeepsThePreviousFileAndNoTemporary) {
  const struct {
    const char* step;
    const char* what;
    int error;
  } cases[] = {
      {"open", "cannot create a temporary file", EACCES},
      {"write", "write failed", ENOSPC},
      {"fchmod", "cannot keep the file's permissions", EPERM},
      {"fsync", "write failed", EIO},
      {"close", "write failed", EIO},
      {"rename", "cannot replace the file", EXDEV},
  };
  test::ScratchFolder folder;
  const std::string path = folder.Path("kept.bin");
  test::WriteFileBytes(path, kOld);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    const FileCalls calls = Failing(c.step);
    const ScopedFileCalls scoped(calls);
    const core::RuntimeError e = test::RaisedError([&] { WriteWholeFile(path, kNew); });
    EXPECT_EQ(e.number(), core::kFileAccess);
    EXPECT_EQ(e.description(), "Path/File access error: \"" + path + "\": " + c.what + ": " +
                                   std::strerror(c.error));
    EXPECT_EQ(test::ReadFileBytes(path), kOld);
    EXPECT_EQ(EntriesIn(folder), 1u);
  }
  WriteWholeFile(path, kNew);  // the system's calls are back
  EXPECT_EQ(test::ReadFileBytes(path), kNew);
}

TEST(FileWrite, PicturesPropertyFilesAndSnapshotsAllWriteThisWay) {
  test::ScratchFolder folder;
  const std::string png = folder.Path("a.png"), json = folder.Path("a.json"),
                    snapshot = folder.Path("b.png");
  for (const std::string& path : {png, json, snapshot}) test::WriteFileBytes(path, kOld);
  Form form;
  form.Surface().SetWidth(300);  // twips
  form.Surface().SetHeight(150);
  MemoryPropertyBag bag;
  bag.Store("Digits", core::Variant::FromInteger(6));
  {
    const FileCalls calls = Failing("rename");
    const ScopedFileCalls scoped(calls);
    EXPECT_RUNTIME_ERROR(WritePngFile(png, Image(2, 2)), core::kFileAccess);
    EXPECT_RUNTIME_ERROR(SavePropertyFile(json, bag), core::kFileAccess);
    EXPECT_RUNTIME_ERROR(form.WriteSnapshotPng(snapshot), core::kFileAccess);
  }
  for (const std::string& path : {png, json, snapshot})
    EXPECT_EQ(test::ReadFileBytes(path), kOld) << path;
  EXPECT_EQ(EntriesIn(folder), 3u);
}

}  // namespace
}  // namespace led::platform
