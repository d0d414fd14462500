#include "leddisplay/quick/ItemEvents.h"

#include <QQmlEngine>

#include "leddisplay/quick/LEDDisplayKeyEvent.h"

namespace led::quick {

namespace {

// The event object stays the item's: QML must not take it for its own and collect it.
template <class Signal>
void RaiseKey(LEDDisplayItem& item, Signal signal, int* keyCode, int* keyAscii, int& shift) {
  LEDDisplayKeyEvent event;
  QQmlEngine::setObjectOwnership(&event, QQmlEngine::CppOwnership);
  if (keyCode) event.setKeyCode(*keyCode);
  if (keyAscii) event.setKeyAscii(*keyAscii);
  event.setShift(shift);
  emit(item.*signal)(&event);
  if (keyCode) *keyCode = event.keyCode();
  if (keyAscii) *keyAscii = event.keyAscii();
  shift = event.shift();
}

}  // namespace

void ItemEvents::Changed() {
  emit item_.changed();
}

void ItemEvents::Clicked() {
  emit item_.clicked();
}

void ItemEvents::DoubleClicked() {
  emit item_.doubleClicked();
}

void ItemEvents::KeyDown(int& keyCode, int& shift) {
  RaiseKey(item_, &LEDDisplayItem::keyDown, &keyCode, nullptr, shift);
}

// KeyPress has no shift argument; the event's shift is 0 and not read back.
void ItemEvents::KeyPress(int& keyAscii) {
  int shift = 0;
  RaiseKey(item_, &LEDDisplayItem::keyPress, nullptr, &keyAscii, shift);
}

void ItemEvents::KeyUp(int& keyCode, int& shift) {
  RaiseKey(item_, &LEDDisplayItem::keyUp, &keyCode, nullptr, shift);
}

void ItemEvents::MouseDown(int& button, int& shift, double& x, double& y) {
  emit item_.mouseDown(button, shift, x, y);
}

void ItemEvents::MouseMove(int& button, int& shift, double& x, double& y) {
  emit item_.mouseMove(button, shift, x, y);
}

void ItemEvents::MouseUp(int& button, int& shift, double& x, double& y) {
  emit item_.mouseUp(button, shift, x, y);
}

}  // namespace led::quick
