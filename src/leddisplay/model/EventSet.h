#pragma once
// The control's event interface: nine events with their fixed dispatch identifiers
// and parameter names as published. Every parameter is passed by reference.
#include <cstdint>
#include <span>
#include <string_view>

namespace led::model {

enum class EventParameterType { Integer, Single };  // 16-bit signed, 32-bit float

struct EventParameter {
  std::string_view name;
  EventParameterType type;
};

struct EventDescription {
  std::string_view name;
  int32_t dispid;
  std::span<const EventParameter> parameters;
};

// Positions in EventSet().
enum EventIndex : int {
  kClickEvent,
  kDblClickEvent,
  kKeyDownEvent,
  kKeyPressEvent,
  kKeyUpEvent,
  kChangeEvent,
  kMouseDownEvent,
  kMouseMoveEvent,
  kMouseUpEvent,
};

inline constexpr std::string_view kEventInterfaceName = "__LEDDisplay";

// The nine events in dispatch-identifier order (1..9).
std::span<const EventDescription> EventSet();

}  // namespace led::model
