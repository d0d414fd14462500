#include "leddisplay/qt/ControlEvents.h"

#include "leddisplay/model/EventSet.h"

namespace led::qt {

namespace {

int IntegerArg(std::span<host::EventArg> args, size_t i) {
  return args[i].value.ToInteger();
}

}  // namespace

void RaiseEvent(ControlEvents& events, int32_t dispid, std::span<host::EventArg> args) {
  const auto set = model::EventSet();
  int index = -1;
  for (size_t i = 0; i < set.size(); ++i)
    if (set[i].dispid == dispid) index = int(i);
  switch (index) {
    case model::kClickEvent:
      events.Clicked();
      break;
    case model::kDblClickEvent:
      events.DoubleClicked();
      break;
    case model::kChangeEvent:
      events.Changed();
      break;
    case model::kKeyPressEvent: {
      int keyAscii = IntegerArg(args, 0);
      events.KeyPress(keyAscii);
      args[0].value = core::Variant::FromLong(keyAscii);
      break;
    }
    case model::kKeyDownEvent:
    case model::kKeyUpEvent: {
      int keyCode = IntegerArg(args, 0), shift = IntegerArg(args, 1);
      if (index == model::kKeyDownEvent)
        events.KeyDown(keyCode, shift);
      else
        events.KeyUp(keyCode, shift);
      args[0].value = core::Variant::FromLong(keyCode);
      args[1].value = core::Variant::FromLong(shift);
      break;
    }
    case model::kMouseDownEvent:
    case model::kMouseMoveEvent:
    case model::kMouseUpEvent: {
      int button = IntegerArg(args, 0), shift = IntegerArg(args, 1);
      double x = args[2].value.ToSingle(), y = args[3].value.ToSingle();
      if (index == model::kMouseDownEvent)
        events.MouseDown(button, shift, x, y);
      else if (index == model::kMouseMoveEvent)
        events.MouseMove(button, shift, x, y);
      else
        events.MouseUp(button, shift, x, y);
      args[0].value = core::Variant::FromLong(button);
      args[1].value = core::Variant::FromLong(shift);
      args[2].value = core::Variant::FromDouble(x);
      args[3].value = core::Variant::FromDouble(y);
      break;
    }
    default:
      break;
  }
}

}  // namespace led::qt
