// The shared test helpers: what the run-time error checks accept and how they report
// a miss, and the scratch folder's life.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "leddisplay/core/RuntimeError.h"
#include "support/ExpectRuntimeError.h"
#include "support/FileContents.h"
#include "support/ScratchFolder.h"

namespace led::test {
namespace {

namespace fs = std::filesystem;

void RaiseOverflow() {
  throw core::RuntimeError(core::kOverflow);
}
void RaiseFileError() {
  throw core::RuntimeError(core::kFileNotFound, "File not found: \"/tmp/x.json\"");
}
void RaiseLogicError() {
  throw std::logic_error("a bug");
}
void DoNothing() {}

TEST(ExpectRuntimeError, PassesOnTheNumberAndDescriptionText) {
  EXPECT_RUNTIME_ERROR(RaiseOverflow(), core::kOverflow);
  EXPECT_RUNTIME_ERROR_TEXT(RaiseFileError(), 53, "x.json");
  EXPECT_RUNTIME_ERROR_TEXT(RaiseFileError(), 53, "");
  int runs = 0;
  EXPECT_RUNTIME_ERROR(++runs; RaiseOverflow(), 6);
  EXPECT_EQ(runs, 1);
}

TEST(ExpectRuntimeError, SaysWhatWasRaisedInstead) {
  EXPECT_NONFATAL_FAILURE(EXPECT_RUNTIME_ERROR(DoNothing(), 6),
                          "DoNothing() raises run-time error 6\n  Actual: it raised nothing");
  EXPECT_NONFATAL_FAILURE(EXPECT_RUNTIME_ERROR(RaiseOverflow(), 380),
                          "it raised run-time error 6 \"Overflow\"");
  EXPECT_NONFATAL_FAILURE(EXPECT_RUNTIME_ERROR_TEXT(RaiseFileError(), 53, "y.json"),
                          "with \"y.json\" in its description");
  EXPECT_NONFATAL_FAILURE(EXPECT_RUNTIME_ERROR(RaiseLogicError(), 6),
                          "it raised another exception: \"a bug\"");
  EXPECT_NONFATAL_FAILURE(EXPECT_RUNTIME_ERROR(RaiseOverflow(), 5) << "context", "context");
}

TEST(ExpectRuntimeError, TableFormsGiveTheErrorOrNothing) {
  EXPECT_EQ(ErrorNumberOf(RaiseOverflow), 6);
  EXPECT_EQ(ErrorNumberOf(DoNothing), 0);
  EXPECT_FALSE(RuntimeErrorOf(DoNothing).has_value());
  const auto error = RuntimeErrorOf(RaiseFileError);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->description(), "File not found: \"/tmp/x.json\"");
  EXPECT_THROW(ErrorNumberOf(RaiseLogicError), std::logic_error);  // bugs are not numbers
}

TEST(ScratchFolder, IsFreshPerObjectAndGoesWithEverythingInIt) {
  fs::path kept;
  {
    ScratchFolder one;
    ScratchFolder two;
    kept = one.Root();
    EXPECT_NE(one.Root(), two.Root());
    EXPECT_TRUE(fs::is_directory(one.Root()));
    EXPECT_TRUE(fs::is_empty(one.Root()));
    EXPECT_EQ(fs::path(one.Path("a.png")), one.Root() / "a.png");
    EXPECT_NE(one.Root().string().find("ScratchFolder.IsFreshPerObject"), std::string::npos);
    fs::create_directories(one.Path("inner/deeper"));
    WriteFileText(one.Path("inner/deeper/f.txt"), "x");
  }
  EXPECT_FALSE(fs::exists(kept));
}

TEST(FileContents, KeepEveryByteAndRefuseWhatCannotBeDone) {
  ScratchFolder folder;
  const std::vector<uint8_t> bytes = {0x89, 'P', 0, '\r', '\n', 0xFF};
  WriteFileBytes(folder.Path("b.bin"), bytes);
  EXPECT_EQ(ReadFileBytes(folder.Path("b.bin")), bytes);
  WriteFileText(folder.Path("b.bin"), "short");  // replaces, never appends
  EXPECT_EQ(ReadFileText(folder.Path("b.bin")), "short");
  EXPECT_THROW(ReadFileText(folder.Path("absent")), std::runtime_error);
  EXPECT_THROW(WriteFileText(folder.Path("no/such/folder/f"), "x"), std::runtime_error);
}

}  // namespace
}  // namespace led::test
