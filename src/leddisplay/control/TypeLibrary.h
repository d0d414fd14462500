#pragma once
/// @file
/// The type-library description of the control as data: the class, its programmable
/// interface (properties and method), its event interface, the published
/// enumerations and the property pages its descriptor names, with a readable listing.
#include <span>
#include <string>
#include <string_view>

#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/model/ControlState.h"
#include "leddisplay/model/EventSet.h"

namespace led::control {

struct TypeLibraryDescription {
  std::string_view className;
  std::string_view interfaceName;
  std::span<const PropertyDescription> properties;
  std::span<const MethodDescription> methods;
  std::string_view eventInterfaceName;
  std::span<const model::EventDescription> events;
  std::span<const model::EnumDescription> enums;
  std::span<const std::string_view> propertyPages;  ///< in the order a design tool shows them
};

TypeLibraryDescription TypeLibrary();

/// One line per member, e.g. "  [id(0x68030025)] property Value As Double (put ByRef)".
std::string TypeLibraryListing();

}  // namespace led::control
