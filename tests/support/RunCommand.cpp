#include "support/RunCommand.h"

#include <cstdio>

#include <sys/wait.h>

namespace led::test {

CommandOutcome RunCommand(const std::string& line) {
  FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) return {-1, ""};
  std::string output;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace led::test
