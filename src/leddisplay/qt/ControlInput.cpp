#include "leddisplay/qt/ControlInput.h"

#include <array>
#include <utility>

#include "leddisplay/platform/kit/InputConventions.h"

namespace led::qt {

namespace {

using namespace platform::kit;

constexpr std::array<std::pair<int, int16_t>, 21> kKeys = {{
    {Qt::Key_Backspace, kKeyBackspace}, {Qt::Key_Tab, kKeyTab},       {Qt::Key_Backtab, kKeyTab},
    {Qt::Key_Return, kKeyEnter},        {Qt::Key_Enter, kKeyEnter},   {Qt::Key_Shift, kKeyShift},
    {Qt::Key_Control, kKeyCtrl},        {Qt::Key_Alt, kKeyAlt},       {Qt::Key_Pause, kKeyPause},
    {Qt::Key_Escape, kKeyEscape},       {Qt::Key_Space, kKeySpace},   {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},   {Qt::Key_End, kKeyEnd},       {Qt::Key_Home, kKeyHome},
    {Qt::Key_Left, kKeyLeft},           {Qt::Key_Up, kKeyUp},         {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},           {Qt::Key_Insert, kKeyInsert}, {Qt::Key_Delete, kKeyDelete},
}};

int16_t ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kButtonLeft;
    case Qt::RightButton:
      return kButtonRight;
    case Qt::MiddleButton:
      return kButtonMiddle;
    default:
      return 0;
  }
}

int16_t ButtonsOf(Qt::MouseButtons buttons) {
  return int16_t((buttons & Qt::LeftButton ? kButtonLeft : 0) |
                 (buttons & Qt::RightButton ? kButtonRight : 0) |
                 (buttons & Qt::MiddleButton ? kButtonMiddle : 0));
}

int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
  return int16_t((modifiers & Qt::ShiftModifier ? kShiftShift : 0) |
                 (modifiers & Qt::ControlModifier ? kShiftCtrl : 0) |
                 (modifiers & Qt::AltModifier ? kShiftAlt : 0));
}

int16_t KeyCodeOf(int qtKey) {
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
    return int16_t(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return int16_t(kKeyF1 + (qtKey - Qt::Key_F1));
  for (const auto& [key, code] : kKeys)
    if (key == qtKey) return code;
  return 0;
}

int16_t KeyAsciiOf(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  return int16_t(text.at(0).unicode());
}

}  // namespace

bool ControlInput::KeyPress(const QKeyEvent& event) {
  return sequence_.KeyDown(KeyCodeOf(event.key()), ShiftOf(event.modifiers()), KeyAsciiOf(event));
}

void ControlInput::KeyRelease(const QKeyEvent& event) {
  sequence_.KeyUp(KeyCodeOf(event.key()), ShiftOf(event.modifiers()));
}

void ControlInput::MousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at) {
  sequence_.Press(ButtonOf(button), ShiftOf(modifiers), host_.ControlPoint(at));
}

void ControlInput::MouseMove(Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPointF at) {
  sequence_.Move(ButtonsOf(held), ShiftOf(modifiers), host_.ControlPoint(at));
}

void ControlInput::MouseRelease(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at,
                                bool inside) {
  sequence_.Release(ButtonOf(button), ShiftOf(modifiers), host_.ControlPoint(at), inside);
}

void ControlInput::MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                    QPointF at) {
  sequence_.DoubleClick(ButtonOf(button), ShiftOf(modifiers), host_.ControlPoint(at));
}

}  // namespace led::qt
