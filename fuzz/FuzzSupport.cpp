#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "leddisplay/platform/io/PropertyFile.h"

namespace led::fuzz {

namespace {

// The folder, removed with everything in it when the process exits.
struct Scratch {
  std::string path;
  Scratch() {
    const char* tmp = std::getenv("TMPDIR");
    path = std::string(tmp && *tmp ? tmp : "/tmp") + "/leddisplay-fuzz-XXXXXX";
    if (!mkdtemp(path.data())) Fail("cannot make a scratch folder from " + path);
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

const std::string& ScratchDir() {
  static const Scratch scratch;
  return scratch.path;
}

std::string ConfinedPath(const std::string& path) {
  std::string name;
  for (char c : path.substr(0, 40)) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    name += plain && !(name.empty() && c == '.') ? c : '_';
  }
  return ScratchDir() + "/" + (name.empty() ? "_" : name);
}

std::string WriteScratch(const std::string& name, std::span<const uint8_t> bytes) {
  const std::string path = ScratchDir() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) Fail("cannot write scratch file " + path);
  return path;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) Fail("cannot read " + path);
  return text.str();
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

void ExpectClearError(const core::RuntimeError& error, std::initializer_list<int32_t> numbers) {
  bool expected = false;
  for (int32_t n : numbers) expected = expected || n == error.number();
  if (!expected || error.description().empty())
    Fail("unexpected error " + std::to_string(error.number()) + " \"" + error.description() + "\"");
}

std::string SaveScratch(const platform::MemoryPropertyBag& bag, const std::string& name) {
  const std::string path = ScratchDir() + "/" + name;
  try {
    platform::SavePropertyFile(path, bag);
  } catch (const core::RuntimeError& e) {
    Fail("a property set cannot be saved: " + std::to_string(e.number()) + " " + e.description());
  }
  return path;
}

void ExpectSavedSetSurvives(apps::HostedControl& hosted) {
  const auto saved = [](apps::HostedControl& from, const std::string& name) {
    platform::MemoryPropertyBag bag;
    from.Control().WriteProperties(bag);
    const std::string path = SaveScratch(bag, name);
    return std::pair(path, ReadWhole(path));
  };
  const auto [path, first] = saved(hosted, "saved.json");
  FuzzedControl fresh;
  try {
    fresh.LoadPropertyFile(path);
  } catch (const core::RuntimeError& e) {
    Fail("a saved control does not load: " + std::to_string(e.number()) + " " + e.description() +
         "\n" + first);
  }
  const std::string second = saved(fresh, "saved-again.json").second;
  if (second != first)
    Fail("a saved control, loaded and saved again, differs:\n" + first + "---\n" + second);
}

}  // namespace led::fuzz
