#pragma once
/// @file
/// What the control asks of its container. Every call may fail by throwing
/// core::RuntimeError.
#include <cstdint>
#include <span>
#include <string>

#include "leddisplay/core/Variant.h"
#include "leddisplay/host/Font.h"

namespace led::host {

/// One by-reference event argument: the host's handler may change `value`, and the
/// raiser reads it back after the call.
struct EventArg {
  std::string name;     ///< the argument's name, as the event table gives it
  core::Variant value;  ///< its value, which the handler may change
};

/// The container that holds the control: it receives its events and property
/// changes and answers the ambient, extender and parent properties.
class Container {
 public:
  virtual ~Container() = default;

  /// Tells the container that the persisted property `name` changed.
  virtual void PropertyChanged(const std::string& name) = 0;
  /// Raises event `dispid` (named `name`) to the host program, synchronously.
  virtual void RaiseEvent(int32_t dispid, const std::string& name, std::span<EventArg> args) = 0;
  /// The ambient font; each request may return a new object.
  virtual FontPtr AmbientFont() = 0;
  /// A property of the extender ("Left", "Top": the control's place in the container's
  /// scale), read by name; an unknown name fails with 438.
  virtual core::Variant ExtenderProperty(const std::string& name) = 0;
  /// A property of the parent ("ScaleMode", "Picture"), read by name; 438 if unknown.
  virtual core::Variant ParentProperty(const std::string& name) = 0;
};

}  // namespace led::host
