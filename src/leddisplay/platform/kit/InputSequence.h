#pragma once
/// @file
/// The control's input calls in the order of the input conventions (InputConventions.h),
/// for a host that has translated its toolkit's events into button, shift and key codes
/// and its points into the control's units (ViewPoint.h). A key down raises KeyDown,
/// then KeyPress when the key types a character; a key a handler swallowed (its code or
/// character set to 0) goes no further. A left press and release over the view is a
/// click, except the release that ends a double click; a double click with another
/// button acts as a press. The control's errors pass to the caller.
#include <cstdint>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/kit/ViewPoint.h"

namespace led::platform::kit {

/// One control's input, in order.
class InputSequence {
 public:
  /// `control` must outlive the sequence.
  explicit InputSequence(control::LEDDisplay& control) : control_(control) {}

  /// A key went down; `keyAscii` is the character it types (0 for none). True when a
  /// handler swallowed it: the host passes it no further.
  bool KeyDown(int16_t keyCode, int16_t shift, int16_t keyAscii);
  /// A key came up.
  void KeyUp(int16_t keyCode, int16_t shift);
  /// A button went down (the second press of a double click comes as DoubleClick).
  void Press(int16_t button, int16_t shift, ControlPoint at);
  /// The pointer moved with `buttons` held.
  void Move(int16_t buttons, int16_t shift, ControlPoint at);
  /// A button came up; `inside`: over the view.
  void Release(int16_t button, int16_t shift, ControlPoint at, bool inside);
  /// The second press of a double click.
  void DoubleClick(int16_t button, int16_t shift, ControlPoint at);

 private:
  control::LEDDisplay& control_;
  bool afterDoubleClick_ = false;
};

}  // namespace led::platform::kit
