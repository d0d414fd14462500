#pragma once
/// @file
/// The programmable interface by number and by name, as a late-binding host uses it.
/// Names match without regard to case. An unknown name or identifier, or a kind of
/// call the member does not support (a put on the read-only hWnd, a put by value on
/// a font or picture, a put by reference on any other property, a method call on a
/// property), fails with 438; a wrong number of arguments with 450. Arguments are
/// converted to the property's type (13 "Type mismatch", 6 "Overflow").
#include <cstdint>
#include <span>
#include <string_view>

#include "leddisplay/core/Variant.h"

namespace led::control {

class LEDDisplay;

/// The kind of call: a method call, a property get, a put by value, a put by reference.
enum class InvokeKind { Method, PropertyGet, PropertyPut, PropertyPutRef };

/// The dispatch identifier of the property or method named `name`; 438 when none is.
int32_t GetIDOfName(std::string_view name);

/// Gets (no arguments), puts (one argument) or calls (no arguments) the member
/// `dispid`; returns the property's value for a get, Empty otherwise.
core::Variant Invoke(LEDDisplay& control, int32_t dispid, InvokeKind kind,
                     std::span<const core::Variant> args);

}  // namespace led::control
