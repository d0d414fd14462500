// Internal: not installed.
#pragma once
// Qt input on a host's view as the control's input calls, the same for every Qt host:
// buttons, modifiers and key codes by the conventions of platform/kit/InputConventions.h
// (a key without a code gives 0, a typed character its 16-bit code unit), points placed
// by ControlHost in the control's units, raised in the kit's order
// (platform/kit/InputSequence.h). Errors pass to the caller, which guards each call.
#include <QKeyEvent>
#include <QPointF>

#include "leddisplay/platform/kit/InputSequence.h"
#include "leddisplay/qt/ControlHost.h"

namespace led::qt {

class ControlInput {
 public:
  explicit ControlInput(ControlHost& host) : host_(host), sequence_(host.control) {}

  // True when a handler swallowed the key.
  bool KeyPress(const QKeyEvent& event);
  void KeyRelease(const QKeyEvent& event);
  // Points in the view's pixels.
  void MousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);
  void MouseMove(Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPointF at);
  // `inside`: the release lies over the view.
  void MouseRelease(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at,
                    bool inside);
  void MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF at);

 private:
  ControlHost& host_;
  platform::kit::InputSequence sequence_;
};

}  // namespace led::qt
