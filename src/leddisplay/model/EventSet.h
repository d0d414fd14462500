#pragma once
/// @file
/// The control's event interface: nine events with their fixed dispatch identifiers
/// and parameter names as published. Every parameter is passed by reference.
#include <cstdint>
#include <span>
#include <string_view>

namespace led::model {

/// An event parameter's type: a 16-bit signed Integer or a 32-bit float Single.
enum class EventParameterType { Integer, Single };

/// One parameter of an event.
struct EventParameter {
  std::string_view name;    ///< as published
  EventParameterType type;  ///< its type
};

/// One event: name, dispatch identifier and parameters.
struct EventDescription {
  std::string_view name;                       ///< as published
  int32_t dispid;                              ///< its dispatch identifier, 1..9
  std::span<const EventParameter> parameters;  ///< in call order
};

/// Positions in EventSet().
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

/// The event interface's published name.
inline constexpr std::string_view kEventInterfaceName = "__LEDDisplay";

/// The nine events in dispatch-identifier order (1..9).
std::span<const EventDescription> EventSet();

}  // namespace led::model
