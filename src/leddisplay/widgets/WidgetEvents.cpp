#include "leddisplay/widgets/WidgetEvents.h"

namespace led::qt {

void WidgetEvents::Changed() {
  emit widget_.changed();
}

void WidgetEvents::Clicked() {
  emit widget_.clicked();
}

void WidgetEvents::DoubleClicked() {
  emit widget_.doubleClicked();
}

void WidgetEvents::KeyDown(int& keyCode, int& shift) {
  emit widget_.keyDown(keyCode, shift);
}

void WidgetEvents::KeyPress(int& keyAscii) {
  emit widget_.keyPress(keyAscii);
}

void WidgetEvents::KeyUp(int& keyCode, int& shift) {
  emit widget_.keyUp(keyCode, shift);
}

void WidgetEvents::MouseDown(int& button, int& shift, double& x, double& y) {
  emit widget_.mouseDown(button, shift, x, y);
}

void WidgetEvents::MouseMove(int& button, int& shift, double& x, double& y) {
  emit widget_.mouseMove(button, shift, x, y);
}

void WidgetEvents::MouseUp(int& button, int& shift, double& x, double& y) {
  emit widget_.mouseUp(button, shift, x, y);
}

}  // namespace led::qt
