// Internal: not installed.
#pragma once
// What every render routine works on: the control's state record and its host, and the
// cells kept between passes (none: every pass formats the value anew).
#include "leddisplay/host/Host.h"
#include "leddisplay/model/ControlState.h"

namespace led::render {

class CellCache;

struct Display {
  model::ControlState& state;
  host::Host& host;
  CellCache* cells = nullptr;
};

}  // namespace led::render
