#include "support/ScratchFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace led::test {

namespace {

// The running test's name with every character a file name should not hold made
// '-', so that a folder left behind by a crash says which test made it.
std::string TestNameForFolder() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "none";
  for (char& c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '_';
    if (!plain) c = '-';
  }
  constexpr size_t kLongest = 80;
  return name.substr(0, kLongest);
}

}  // namespace

ScratchFolder::ScratchFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / ("leddisplay-" + TestNameForFolder() + "-XXXXXX"))
          .string();
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("cannot make a scratch folder " + pattern + ": " +
                             std::strerror(errno));
  root_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ScratchFolder::Path(std::string_view name) const {
  return (root_ / name).string();
}

}  // namespace led::test
