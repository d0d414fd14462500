#pragma once
/// @file
/// LEDDisplayKeyEvent: what LEDDisplayItem's key signals (keyDown, keyPress, keyUp) give
/// a handler. QML cannot write through a signal's arguments, so the key travels in this
/// object: a handler that sets keyCode (keyDown, keyUp) or keyAscii (keyPress) to 0
/// swallows the key, `onKeyPress: (event) => event.keyAscii = 0`, and the control reads
/// back whatever the handler left. Values as the widget's: keyCode a classic virtual-key
/// code, keyAscii the typed character, shift 1 Shift, 2 Ctrl, 4 Alt. The object lives only
/// while the signal is delivered.
#include <QtQml/qqmlregistration.h>
#include <QObject>

namespace led::quick {

/// A key event of LEDDisplay, as described above.
class LEDDisplayKeyEvent : public QObject {
  Q_OBJECT
  QML_NAMED_ELEMENT(LEDDisplayKeyEvent)
  QML_UNCREATABLE("LEDDisplay's key signals give it")
  /// The key's code (keyDown, keyUp; 0 in keyPress), its character (keyPress; 0 in
  /// keyDown and keyUp) and the shift state (keyDown, keyUp); a handler may set each.
  ///@{
  Q_PROPERTY(int keyCode READ keyCode WRITE setKeyCode)
  Q_PROPERTY(int keyAscii READ keyAscii WRITE setKeyAscii)
  Q_PROPERTY(int shift READ shift WRITE setShift)
  ///@}

 public:
  using QObject::QObject;

  /// The properties' getters and setters.
  ///@{
  int keyCode() const { return keyCode_; }
  int keyAscii() const { return keyAscii_; }
  int shift() const { return shift_; }
  void setKeyCode(int keyCode) { keyCode_ = keyCode; }
  void setKeyAscii(int keyAscii) { keyAscii_ = keyAscii; }
  void setShift(int shift) { shift_ = shift; }
  ///@}

 private:
  int keyCode_ = 0;
  int keyAscii_ = 0;
  int shift_ = 0;
};

}  // namespace led::quick
