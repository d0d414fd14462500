#pragma once
// Host scripts: one command a line, blank lines and lines starting with '#' skipped.
// ParseScript checks every line before anything runs; RunScript then runs them on a
// HostedControl and prints one JSON object per line (host calls, results, errors).
#include <iosfwd>
#include <string>
#include <vector>

#include "apps/leddisplay/ScriptValue.h"

namespace led::apps {

struct ScriptCommand {
  int line = 0;
  std::string text;             // the line as written, trimmed
  std::string verb;             // lower case
  std::string name;             // property or method name, or a path
  std::vector<double> numbers;  // numeric arguments
  ValueSpec value;              // for set
};

// Throws ParseError whose message starts with "line N: ".
std::vector<ScriptCommand> ParseScript(std::istream& in);

// Runs a parsed script; exit code 0 (failing commands print an error and the script
// goes on).
int RunScript(const std::vector<ScriptCommand>& script, std::ostream& out);

}  // namespace led::apps
