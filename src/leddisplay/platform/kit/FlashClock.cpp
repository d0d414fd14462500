#include "leddisplay/platform/kit/FlashClock.h"

#include <algorithm>

namespace led::platform::kit {

std::optional<int64_t> FlashClock::Tick(control::LEDDisplay& control, int64_t nowMs) {
  const auto show = [&](bool shown) {
    if (core::IsTrue(control.FlashPhase()) != shown)
      control.SetFlashPhase(shown ? core::kTrue : core::kFalse);
  };
  if (control.FlashCells() == 0) {
    start_.reset();
    show(true);
    return std::nullopt;
  }
  if (!start_ || nowMs < *start_) start_ = nowMs;
  const int64_t interval = std::max<int64_t>(control.FlashInterval(), 1);
  const int64_t phases = (nowMs - *start_) / interval;
  show(phases % 2 == 0);
  return *start_ + (phases + 1) * interval - nowMs;
}

}  // namespace led::platform::kit
