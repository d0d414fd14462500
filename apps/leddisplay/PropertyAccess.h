#pragma once
// Properties and methods of a control by name, as a late-bound caller uses them, with
// values in the JSON form the tool prints.
#include <nlohmann/json.hpp>
#include <string>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/Variant.h"

namespace led::apps {

// Puts `value` (by reference for fonts and pictures). Errors as core::RuntimeError
// (438 for an unknown name).
void SetProperty(control::LEDDisplay& display, const std::string& name, const core::Variant& value);
// {"type": "Integer"|"Long"|"Double"|"Boolean"|"String"|"Color"|"Font"|"Picture",
//  "value": ...}; Booleans as their 16-bit number, colours unsigned.
nlohmann::ordered_json GetProperty(control::LEDDisplay& display, const std::string& name);
void CallMethod(control::LEDDisplay& display, const std::string& name);

}  // namespace led::apps
