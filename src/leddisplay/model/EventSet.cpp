#include "leddisplay/model/EventSet.h"

namespace led::model {

namespace {

using enum EventParameterType;

constexpr EventParameter kKeyParameters[] = {{"KeyCode", Integer}, {"Shift", Integer}};
constexpr EventParameter kKeyPressParameters[] = {{"KeyAscii", Integer}};
// The last mouse parameter is published with a lower-case name.
constexpr EventParameter kMouseParameters[] = {
    {"Button", Integer}, {"Shift", Integer}, {"X", Single}, {"y", Single}};

constexpr EventDescription kEvents[] = {
    {"Click", 1, {}},
    {"DblClick", 2, {}},
    {"KeyDown", 3, kKeyParameters},
    {"KeyPress", 4, kKeyPressParameters},
    {"KeyUp", 5, kKeyParameters},
    {"Change", 6, {}},
    {"MouseDown", 7, kMouseParameters},
    {"MouseMove", 8, kMouseParameters},
    {"MouseUp", 9, kMouseParameters},
};

}  // namespace

std::span<const EventDescription> EventSet() {
  return kEvents;
}

}  // namespace led::model
