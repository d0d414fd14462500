#include "support/RecordedCalls.h"

namespace led::test {

std::vector<nlohmann::json> RecordedCalls(const platform::Recorder& recorder) {
  std::vector<nlohmann::json> calls;
  calls.reserve(recorder.Calls().size());
  for (const std::string& line : recorder.Calls()) calls.push_back(nlohmann::json::parse(line));
  return calls;
}

}  // namespace led::test
