#pragma once
// A fresh, empty folder of the test's own under the system's temporary folder, made
// when the object is constructed and removed with everything in it when it goes.
// Tests write files only here, never into the source or build tree. Construction
// throws std::runtime_error when no folder can be made.
#include <filesystem>
#include <string>
#include <string_view>

namespace led::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder itself.
  const std::filesystem::path& Root() const { return root_; }
  // The path of `name` inside the folder, as text; nothing is created.
  std::string Path(std::string_view name) const;

 private:
  std::filesystem::path root_;
};

}  // namespace led::test
