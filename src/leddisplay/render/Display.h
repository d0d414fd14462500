// Internal: not installed.
#pragma once
// What every render routine works on: the control's state record and its host, the
// cells kept between passes (none: every pass formats the value anew), and the host's
// zoom of the pixel geometry (Geometry.h; finite and above 0, 1 draws the stored lengths).
#include "leddisplay/host/Host.h"
#include "leddisplay/model/ControlState.h"

namespace led::render {

class CellCache;

struct Display {
  model::ControlState& state;
  host::Host& host;
  CellCache* cells = nullptr;
  double zoom = 1;
};

}  // namespace led::render
