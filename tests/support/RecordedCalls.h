#pragma once
// The recorder's records read back as JSON objects, in the order they were made, for
// tests that compare whole records or look at single keys.
#include <vector>

#include <nlohmann/json.hpp>

#include "leddisplay/platform/form/Recorder.h"

namespace led::test {

std::vector<nlohmann::json> RecordedCalls(const platform::Recorder& recorder);

}  // namespace led::test
