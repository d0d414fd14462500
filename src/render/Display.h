#pragma once
// What every render routine works on: the control's state record and its host.
#include "control/ControlState.h"
#include "host/Host.h"

namespace led::render {

struct Display {
  control::ControlState& state;
  host::Host& host;
};

}  // namespace led::render
