// A property file from the input is loaded, applied to a control and saved; the saved
// file, loaded into a fresh control and saved again, must come out the same, and the
// file layer alone must write back what it read.
#include "FuzzSupport.h"
#include "leddisplay/platform/io/PropertyFile.h"

using namespace led;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = fuzz::WriteScratch("input.json", {data, size});
  platform::MemoryPropertyBag bag;
  try {
    bag = platform::LoadPropertyFile(input);
  } catch (const core::RuntimeError& e) {
    fuzz::ExpectClearError(e, {380});
    return 0;
  }

  // The file layer: what it read, written and read back, writes the same file again.
  const auto rewritten = [](const platform::MemoryPropertyBag& from, const std::string& name) {
    const std::string path = fuzz::SaveScratch(from, name);
    try {
      return std::pair(fuzz::ReadWhole(path), platform::LoadPropertyFile(path));
    } catch (const core::RuntimeError& e) {
      fuzz::Fail("a written set does not load back: " + std::to_string(e.number()) + " " +
                 e.description());
    }
  };
  const auto [once, reread] = rewritten(bag, "once.json");
  if (rewritten(reread, "twice.json").first != once)
    fuzz::Fail("a property file, written back twice, differs:\n" + once);

  // The control: a failing read leaves the steps before it applied, and whatever state
  // that gives must survive a save and a load.
  fuzz::FuzzedControl first;
  try {
    first.Control().ReadProperties(bag);
  } catch (const core::RuntimeError& e) {
    fuzz::ExpectClearError(e, {5, 6, 13, 91, 380});
  }
  fuzz::ExpectSavedSetSurvives(first);
  return 0;
}
