// Internal: not installed.
#pragma once
// The control's events as LEDDisplayItem's signals (qt::RaiseEvent calls these). Key
// events travel in a LEDDisplayKeyEvent that QML handlers may change; what they leave in
// it goes back to the control. Mouse events give button, shift, x and y as values.
#include "leddisplay/qt/FrontEndHost.h"
#include "leddisplay/quick/LEDDisplayItem.h"

namespace led::quick {

class ItemEvents : public qt::ControlEvents {
 public:
  explicit ItemEvents(LEDDisplayItem& item) : item_(item) {}

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
  LEDDisplayItem& item_;
};

}  // namespace led::quick
