// Internal: not installed.
#pragma once
// The control's seven colour properties by index, for the Qt hosts' oleColor() and
// setOleColor(): 0 BackColor, 1 OnColor, 2 OffColor, 3 BackGroundG1, 4 BackGroundG2,
// 5 CaptionLowForeColor, 6 CaptionUpperForeColor, the raw 32-bit value each way.
#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/OleColor.h"

namespace led::qt {

inline constexpr int kColorPropertyCount = 7;

// Whether `index` names one of the seven.
constexpr bool IsColorProperty(int index) {
  return index >= 0 && index < kColorPropertyCount;
}
// The colour at a valid index; a setter's errors pass to the caller.
core::OleColor ReadColorProperty(control::LEDDisplay& control, int index);
void WriteColorProperty(control::LEDDisplay& control, int index, core::OleColor color);

}  // namespace led::qt
