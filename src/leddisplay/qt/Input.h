// Internal: not installed.
#pragma once
// Qt input as the control's input arguments: buttons 1 left, 2 right, 4 middle;
// shift 1 Shift, 2 Ctrl, 4 Alt; key codes as the classic virtual-key codes (letters and
// digits as their upper-case character, 8 Backspace, 9 Tab, 13 Enter, 16..18 Shift,
// Ctrl, Alt, 27 Escape, 32 Space, 33..40 page, end, home and arrows, 45 Insert,
// 46 Delete, 112.. F1..F24); a key without a code gives 0.
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
