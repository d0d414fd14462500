#pragma once
// What every render routine works on: the control's state record and its host.
#include "leddisplay/host/Host.h"
#include "leddisplay/model/ControlState.h"

namespace led::render {

struct Display {
  model::ControlState& state;
  host::Host& host;
};

}  // namespace led::render
