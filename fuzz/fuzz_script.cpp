// The tool's script runner on a script from the input, in process. Every path the
// script names is confined to the scratch folder, the output is discarded, and a
// script is cut to a budget of commands and skipped when it sizes the host beyond the
// bounds below, so that one input stays quick.
#include <cmath>
#include <sstream>

#include "FuzzSupport.h"
#include "apps/leddisplay/Script.h"

using namespace led;

namespace {

constexpr size_t kMaxCommands = 48;
// Bounds on the host's sizes: a control of a few hundred pixels a side and captions of
// readable sizes; past them a script only takes longer.
constexpr double kMaxExtentTwips = 4000;
constexpr double kMinTwipsPerPixel = 5, kMaxTwipsPerPixel = 30;
constexpr double kMaxPoints = 96;

bool NamesPath(const std::string& verb) {
  return verb == "load" || verb == "save" || verb == "container-picture" || verb == "png";
}

bool TooLarge(const apps::ScriptCommand& command) {
  const auto& n = command.numbers;
  if (command.verb == "resize")
    return std::fabs(n[0]) > kMaxExtentTwips || std::fabs(n[1]) > kMaxExtentTwips;
  if (command.verb == "twips-per-pixel")
    return !(n[0] >= kMinTwipsPerPixel && n[0] <= kMaxTwipsPerPixel);
  return command.value.kind == apps::ValueSpec::Kind::Font && command.value.points > kMaxPoints;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<apps::ScriptCommand> script;
  try {
    script = apps::ParseScript(in);
  } catch (const apps::ParseError& e) {
    if (std::string_view(e.what()).substr(0, 5) != "line ")
      fuzz::Fail(std::string("a parse error without its line: ") + e.what());
    return 0;
  }
  if (script.size() > kMaxCommands) script.resize(kMaxCommands);
  for (apps::ScriptCommand& command : script) {
    if (TooLarge(command)) return 0;
    if (NamesPath(command.verb)) command.name = fuzz::ConfinedPath(command.name);
    if (command.value.kind == apps::ValueSpec::Kind::Picture)
      command.value.text = fuzz::ConfinedPath(command.value.text);
  }
  std::ostream discarded(nullptr);
  apps::RunScript(script, discarded);
  return 0;
}
