// LEDDisplay's input handlers: each raises its event at once with its arguments by
// reference and writes back what the host's handler left in them. The control adds
// nothing of its own to input.
#include <array>
#include <string>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/model/EventSet.h"

namespace led::control {

namespace {

template <size_t N>
void Raise(host::Container& container, int index, std::array<host::EventArg, N>& args) {
  const model::EventDescription& event = model::EventSet()[index];
  container.RaiseEvent(event.dispid, std::string(event.name), args);
}

template <size_t N>
std::array<host::EventArg, N> ArgsOf(int index, std::array<core::Variant, N> values) {
  const model::EventDescription& event = model::EventSet()[index];
  std::array<host::EventArg, N> args;
  for (size_t i = 0; i < N; ++i) args[i] = {std::string(event.parameters[i].name), values[i]};
  return args;
}

}  // namespace

void LEDDisplay::Click() {
  std::array<host::EventArg, 0> none;
  Raise(host_.container, model::kClickEvent, none);
}

void LEDDisplay::DblClick() {
  std::array<host::EventArg, 0> none;
  Raise(host_.container, model::kDblClickEvent, none);
}

void LEDDisplay::KeyDown(int16_t& keyCode, int16_t& shift) {
  RaiseKeyEvent(model::kKeyDownEvent, keyCode, shift);
}

void LEDDisplay::KeyUp(int16_t& keyCode, int16_t& shift) {
  RaiseKeyEvent(model::kKeyUpEvent, keyCode, shift);
}

void LEDDisplay::KeyPress(int16_t& keyAscii) {
  auto args = ArgsOf<1>(model::kKeyPressEvent, {core::Variant::FromInteger(keyAscii)});
  Raise(host_.container, model::kKeyPressEvent, args);
  keyAscii = args[0].value.ToInteger();
}

void LEDDisplay::MouseDown(int16_t& button, int16_t& shift, float& x, float& y) {
  RaiseMouseEvent(model::kMouseDownEvent, button, shift, x, y);
}

void LEDDisplay::MouseMove(int16_t& button, int16_t& shift, float& x, float& y) {
  RaiseMouseEvent(model::kMouseMoveEvent, button, shift, x, y);
}

void LEDDisplay::MouseUp(int16_t& button, int16_t& shift, float& x, float& y) {
  RaiseMouseEvent(model::kMouseUpEvent, button, shift, x, y);
}

// The write-back converts every argument before changing any, so a handler that
// leaves an unconvertible value changes nothing the caller holds.
void LEDDisplay::RaiseKeyEvent(int index, int16_t& keyCode, int16_t& shift) {
  auto args =
      ArgsOf<2>(index, {core::Variant::FromInteger(keyCode), core::Variant::FromInteger(shift)});
  Raise(host_.container, index, args);
  const int16_t newKeyCode = args[0].value.ToInteger();
  const int16_t newShift = args[1].value.ToInteger();
  keyCode = newKeyCode;
  shift = newShift;
}

void LEDDisplay::RaiseMouseEvent(int index, int16_t& button, int16_t& shift, float& x, float& y) {
  auto args =
      ArgsOf<4>(index, {core::Variant::FromInteger(button), core::Variant::FromInteger(shift),
                        core::Variant::FromSingle(x), core::Variant::FromSingle(y)});
  Raise(host_.container, index, args);
  const int16_t newButton = args[0].value.ToInteger();
  const int16_t newShift = args[1].value.ToInteger();
  const float newX = args[2].value.ToSingle();
  const float newY = args[3].value.ToSingle();
  button = newButton;
  shift = newShift;
  x = newX;
  y = newY;
}

}  // namespace led::control
