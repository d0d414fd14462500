#pragma once
/// @file
/// The flashing cells' clock for a host of any toolkit. The control has no timer and no
/// thread (control::LEDDisplay::FlashCells): the host that shows it keeps time. Tick(now)
/// puts the control's FlashPhase at what it is at `now` (shown in the first FlashInterval
/// after flashing began, unlit in the next, and so on) and tells how many milliseconds
/// remain until the next change; or nothing when no cell flashes, the phase then shown.
/// A host calls Tick when its one-shot timer fires and after FlashCells or FlashInterval
/// changed (their notifications), and arms the timer for the answer; no timer runs while
/// nothing flashes. While the display is hidden the host need not call it: the next Tick
/// catches up. A change of Value keeps the phase.
#include <cstdint>
#include <optional>

#include "leddisplay/control/LEDDisplay.h"

namespace led::platform::kit {

/// One control's flashing, timed from the first Tick that found a cell flashing.
class FlashClock {
 public:
  /// As described above; `nowMs` is a steady clock's milliseconds. The control's errors
  /// pass to the caller.
  std::optional<int64_t> Tick(control::LEDDisplay& control, int64_t nowMs);

 private:
  std::optional<int64_t> start_;  // when the flashing began; none while nothing flashes
};

}  // namespace led::platform::kit
