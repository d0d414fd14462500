#include "leddisplay/qt/Input.h"

#include <array>
#include <utility>

namespace led::qt {

namespace {

constexpr std::array<std::pair<int, int16_t>, 21> kKeys = {{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
}};

}  // namespace

int16_t ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int16_t ButtonsOf(Qt::MouseButtons buttons) {
  return int16_t((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                 (buttons & Qt::MiddleButton ? 4 : 0));
}

int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
  return int16_t((modifiers & Qt::ShiftModifier ? 1 : 0) |
                 (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0));
}

int16_t KeyCodeOf(int qtKey) {
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
    return int16_t(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return int16_t(112 + (qtKey - Qt::Key_F1));
  for (const auto& [key, code] : kKeys)
    if (key == qtKey) return code;
  return 0;
}

int16_t KeyAsciiOf(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  return int16_t(text.at(0).unicode());
}

}  // namespace led::qt
