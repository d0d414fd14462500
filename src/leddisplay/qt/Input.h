// Internal: not installed.
#pragma once
// Qt input as the control's input arguments, by the conventions of
// platform/kit/InputConventions.h (buttons, modifiers, key codes); a key without a code
// gives 0.
#include <QKeyEvent>
#include <cstdint>

namespace led::qt {

int16_t ButtonOf(Qt::MouseButton button);
int16_t ButtonsOf(Qt::MouseButtons buttons);
int16_t ShiftOf(Qt::KeyboardModifiers modifiers);
int16_t KeyCodeOf(int qtKey);
// The character a key press types, as a 16-bit code unit; 0 when it types none.
int16_t KeyAsciiOf(const QKeyEvent& event);

}  // namespace led::qt
