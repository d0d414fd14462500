// Internal: not installed.
#pragma once
// The control's events as LEDDisplayWidget's signals (qt::RaiseEvent calls these), with
// the arguments by reference: a slot connected directly may change them, and what it
// leaves in them goes back to the control.
#include "leddisplay/qt/FrontEndHost.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led::qt {

class WidgetEvents : public ControlEvents {
 public:
  explicit WidgetEvents(LEDDisplayWidget& widget) : widget_(widget) {}

  void Changed() override;
  void Clicked() override;
  void DoubleClicked() override;
  void KeyDown(int& keyCode, int& shift) override;
  void KeyPress(int& keyAscii) override;
  void KeyUp(int& keyCode, int& shift) override;
  void MouseDown(int& button, int& shift, double& x, double& y) override;
  void MouseMove(int& button, int& shift, double& x, double& y) override;
  void MouseUp(int& button, int& shift, double& x, double& y) override;

 private:
  LEDDisplayWidget& widget_;
};

}  // namespace led::qt
