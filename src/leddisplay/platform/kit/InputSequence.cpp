#include "leddisplay/platform/kit/InputSequence.h"

#include "leddisplay/platform/kit/InputConventions.h"

namespace led::platform::kit {

bool InputSequence::KeyDown(int16_t keyCode, int16_t shift, int16_t keyAscii) {
  const bool hadCode = keyCode != 0;
  control_.KeyDown(keyCode, shift);
  if (hadCode && keyCode == 0) return true;
  if (keyAscii == 0) return false;
  control_.KeyPress(keyAscii);
  return keyAscii == 0;
}

void InputSequence::KeyUp(int16_t keyCode, int16_t shift) {
  control_.KeyUp(keyCode, shift);
}

void InputSequence::Press(int16_t button, int16_t shift, ControlPoint at) {
  afterDoubleClick_ = false;
  control_.MouseDown(button, shift, at.x, at.y);
}

void InputSequence::Move(int16_t buttons, int16_t shift, ControlPoint at) {
  control_.MouseMove(buttons, shift, at.x, at.y);
}

void InputSequence::Release(int16_t button, int16_t shift, ControlPoint at, bool inside) {
  const bool click = button == kButtonLeft && !afterDoubleClick_ && inside;
  afterDoubleClick_ = false;
  control_.MouseUp(button, shift, at.x, at.y);
  if (click) control_.Click();
}

void InputSequence::DoubleClick(int16_t button, int16_t shift, ControlPoint at) {
  if (button != kButtonLeft) return Press(button, shift, at);
  afterDoubleClick_ = true;
  control_.DblClick();
}

}  // namespace led::platform::kit
