#pragma once
/// @file
/// The type-library description of the control as data: the class, its programmable
/// interface (properties and method), the extension interface beyond it, its event
/// interface, the published enumerations and the property pages its descriptor names,
/// with a readable listing.
#include <span>
#include <string>
#include <string_view>

#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/model/ControlState.h"
#include "leddisplay/model/EventSet.h"

namespace led::control {

/// The whole type library; every part points at the tables the control runs on.
struct TypeLibraryDescription {
  std::string_view className;                                ///< kClassName
  std::string_view interfaceName;                            ///< kInterfaceName
  std::span<const PropertyDescription> properties;           ///< PropertyTable()
  std::span<const MethodDescription> methods;                ///< MethodTable()
  std::string_view extensionInterfaceName;                   ///< kExtensionInterfaceName
  std::span<const PropertyDescription> extensionProperties;  ///< ExtensionPropertyTable()
  std::string_view eventInterfaceName;                       ///< model::kEventInterfaceName
  std::span<const model::EventDescription> events;           ///< model::EventSet()
  std::span<const model::EnumDescription> enums;             ///< model::PublishedEnums()
  std::span<const std::string_view> propertyPages;  ///< in the order a design tool shows them
};

/// The description above, built from those tables.
TypeLibraryDescription TypeLibrary();

/// One line per member, e.g. "  [id(0x68030025)] property Value As Double (put ByRef)".
std::string TypeLibraryListing();

}  // namespace led::control
