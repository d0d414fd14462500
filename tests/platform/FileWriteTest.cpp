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

#include "TestFiles.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/FileCalls.h"
#include "leddisplay/platform/FileWrite.h"
#include "leddisplay/platform/Form.h"
#include "leddisplay/platform/Png.h"
#include "leddisplay/platform/PropertyFile.h"

namespace led::platform {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

const std::vector<uint8_t> kOld = {'o', 'l', 'd', '\n'};
const std::vector<uint8_t> kNew = {'n', 'e', 'w', ' ', 'b', 'y', 't', 'e', 's', '\n'};

core::RuntimeError ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const core::RuntimeError& e) {
    return e;
  }
  ADD_FAILURE() << "no error";
  return core::RuntimeError(0, "");
}

mode_t PermissionsOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

size_t EntriesIn(const TempFolder& folder) {
  return size_t(std::distance(fs::directory_iterator(folder.Path()), {}));
}

TEST(FileWrite, ARegularFileIsReplacedAndKeepsItsPermissions) {
  TempFolder folder;
  for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0755}}) {
    const std::string path = folder.File("kept");
    WriteBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    WriteWholeFile(path, kNew);
    EXPECT_EQ(ReadBytes(path), kNew);
    EXPECT_EQ(PermissionsOf(path), mode);
    EXPECT_EQ(EntriesIn(folder), 1u);
  }
  // A new file gets the usual permissions less the umask.
  const mode_t mask = ::umask(022);
  WriteWholeFile(folder.File("new"), kNew);
  ::umask(mask);
  EXPECT_EQ(PermissionsOf(folder.File("new")), mode_t{0644});
}

TEST(FileWrite, ASymbolicLinkStaysALinkAndItsFileIsReplaced) {
  TempFolder folder;
  fs::create_directory(folder.File("real"));
  const std::string target = folder.File("real/picture.png");
  WriteBytes(target, kOld);
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  // A relative link, reached through a second link.
  fs::create_symlink("real/picture.png", folder.File("link"));
  fs::create_symlink(folder.File("link"), folder.File("link2"));
  WriteWholeFile(folder.File("link2"), kNew);
  EXPECT_TRUE(fs::is_symlink(folder.File("link")));
  EXPECT_TRUE(fs::is_symlink(folder.File("link2")));
  EXPECT_EQ(ReadBytes(target), kNew);
  EXPECT_EQ(PermissionsOf(target), mode_t{0600});
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("real")), {}), 1);

  // A link to a file not there yet creates that file.
  fs::create_symlink("real/later.png", folder.File("dangling"));
  WriteWholeFile(folder.File("dangling"), kNew);
  EXPECT_TRUE(fs::is_symlink(folder.File("dangling")));
  EXPECT_EQ(ReadBytes(folder.File("real/later.png")), kNew);

  fs::create_symlink("loop", folder.File("loop"));
  const core::RuntimeError loop = ErrorOf([&] { WriteWholeFile(folder.File("loop"), kNew); });
  EXPECT_EQ(loop.number(), core::kFileAccess);
  EXPECT_NE(loop.description().find(folder.File("loop")), std::string::npos);
}

TEST(FileWrite, DevicesAndPipesAreWrittenNeverReplaced) {
  WriteWholeFile("/dev/null", kNew);
  struct stat info {};
  ASSERT_EQ(::stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));

  TempFolder folder;
  const std::string fifo = folder.File("pipe");
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
  TempFolder folder;
  fs::create_directory(folder.File("taken"));
  const core::RuntimeError e = ErrorOf([&] { WriteWholeFile(folder.File("taken"), kNew); });
  EXPECT_EQ(e.number(), core::kFileAccess);
  EXPECT_EQ(e.description(),
            "Path/File access error: \"" + folder.File("taken") + "\": is a folder");
  EXPECT_TRUE(fs::is_directory(folder.File("taken")));
  EXPECT_EQ(EntriesIn(folder), 1u);
  EXPECT_EQ(ErrorOf([&] { WriteWholeFile("", kNew); }).description(),
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
  TempFolder folder;
  const std::string path = folder.File("kept.bin");
  WriteBytes(path, kOld);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    const FileCalls calls = Failing(c.step);
    const ScopedFileCalls scoped(calls);
    const core::RuntimeError e = ErrorOf([&] { WriteWholeFile(path, kNew); });
    EXPECT_EQ(e.number(), core::kFileAccess);
    EXPECT_EQ(e.description(), "Path/File access error: \"" + path + "\": " + c.what + ": " +
                                   std::strerror(c.error));
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(EntriesIn(folder), 1u);
  }
  WriteWholeFile(path, kNew);  // the system's calls are back
  EXPECT_EQ(ReadBytes(path), kNew);
}

TEST(FileWrite, PicturesPropertyFilesAndSnapshotsAllWriteThisWay) {
  TempFolder folder;
  const std::string png = folder.File("a.png"), json = folder.File("a.json"),
                    snapshot = folder.File("b.png");
  WriteBytes(png, kOld);
  WriteBytes(json, kOld);
  WriteBytes(snapshot, kOld);
  Form form;
  form.Surface().SetWidth(300);  // twips
  form.Surface().SetHeight(150);
  MemoryPropertyBag bag;
  bag.Store("Digits", core::Variant::FromInteger(6));
  {
    const FileCalls calls = Failing("rename");
    const ScopedFileCalls scoped(calls);
    EXPECT_EQ(ErrorOf([&] { WritePngFile(png, Image(2, 2)); }).number(), core::kFileAccess);
    EXPECT_EQ(ErrorOf([&] { SavePropertyFile(json, bag); }).number(), core::kFileAccess);
    EXPECT_EQ(ErrorOf([&] { form.WriteSnapshotPng(snapshot); }).number(), core::kFileAccess);
  }
  EXPECT_EQ(ReadBytes(png), kOld);
  EXPECT_EQ(ReadBytes(json), kOld);
  EXPECT_EQ(ReadBytes(snapshot), kOld);
  EXPECT_EQ(EntriesIn(folder), 3u);
}

}  // namespace
}  // namespace led::platform
