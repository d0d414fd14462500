// Internal: not installed.
#pragma once
// The control's nine events as a Qt host raises them. The container reports an event by
// its dispatch identifier with the arguments as variants; RaiseEvent reads them into
// plain values (Integer as int, Single as double), calls the matching member of
// `events`, and writes what the handler left in them back for the control to read.
#include <cstdint>
#include <span>

#include "leddisplay/host/Container.h"

namespace led::qt {

class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  virtual void Changed() = 0;
  virtual void Clicked() = 0;
  virtual void DoubleClicked() = 0;
  virtual void KeyDown(int& keyCode, int& shift) = 0;
  virtual void KeyPress(int& keyAscii) = 0;
  virtual void KeyUp(int& keyCode, int& shift) = 0;
  virtual void MouseDown(int& button, int& shift, double& x, double& y) = 0;
  virtual void MouseMove(int& button, int& shift, double& x, double& y) = 0;
  virtual void MouseUp(int& button, int& shift, double& x, double& y) = 0;
};

// An unknown identifier raises nothing.
void RaiseEvent(ControlEvents& events, int32_t dispid, std::span<host::EventArg> args);

}  // namespace led::qt
