#pragma once
// Runs a shell command line and collects what it prints, for tests of the built tool.
#include <string>

namespace led::test {

struct CommandOutcome {
  int code;            // the exit code; -1 when the command could not run or was killed
  std::string output;  // standard output (add 2>&1 to the line for standard error too)
};

CommandOutcome RunCommand(const std::string& line);

}  // namespace led::test
