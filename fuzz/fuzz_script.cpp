// The tool's script runner on a script from the input, in process. Every path the
// script names is confined to the scratch folder, the output is discarded, and a
// script is cut to a budget of commands so that one input stays quick.
#include <sstream>

#include "FuzzSupport.h"
#include "apps/leddisplay/Script.h"

using namespace led;

namespace {

constexpr size_t kMaxCommands = 48;

bool NamesPath(const std::string& verb) {
  return verb == "load" || verb == "save" || verb == "container-picture" || verb == "png";
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
    if (NamesPath(command.verb)) command.name = fuzz::ConfinedPath(command.name);
    if (command.value.kind == apps::ValueSpec::Kind::Picture)
      command.value.text = fuzz::ConfinedPath(command.value.text);
  }
  std::ostream discarded(nullptr);
  apps::RunScript(script, discarded);
  return 0;
}
