#include "leddisplay/qt/ControlInput.h"

#include "leddisplay/qt/Input.h"

namespace led::qt {

bool ControlInput::KeyPress(const QKeyEvent& event) {
  int16_t keyCode = KeyCodeOf(event.key()), shift = ShiftOf(event.modifiers());
  int16_t keyAscii = KeyAsciiOf(event);
  const bool hadCode = keyCode != 0;
  host_.control.KeyDown(keyCode, shift);
  if (hadCode && keyCode == 0) return true;
  if (keyAscii == 0) return false;
  host_.control.KeyPress(keyAscii);
  return keyAscii == 0;
}

void ControlInput::KeyRelease(const QKeyEvent& event) {
  int16_t keyCode = KeyCodeOf(event.key()), shift = ShiftOf(event.modifiers());
  host_.control.KeyUp(keyCode, shift);
}

void ControlInput::MousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
  int16_t code = ButtonOf(button), shift = ShiftOf(modifiers);
  afterDoubleClick_ = false;
  auto [x, y] = host_.ControlPoint(at);
  host_.control.MouseDown(code, shift, x, y);
}

void ControlInput::MouseMove(Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPointF at) {
  int16_t code = ButtonsOf(held), shift = ShiftOf(modifiers);
  auto [x, y] = host_.ControlPoint(at);
  host_.control.MouseMove(code, shift, x, y);
}

void ControlInput::MouseRelease(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at,
                                bool inside) {
  int16_t code = ButtonOf(button), shift = ShiftOf(modifiers);
  const bool click = button == Qt::LeftButton && !afterDoubleClick_ && inside;
  afterDoubleClick_ = false;
  auto [x, y] = host_.ControlPoint(at);
  host_.control.MouseUp(code, shift, x, y);
  if (click) host_.control.Click();
}

void ControlInput::MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                    QPointF at) {
  if (button != Qt::LeftButton) return MousePress(button, modifiers, at);
  afterDoubleClick_ = true;
  host_.control.DblClick();
}

}  // namespace led::qt
