#pragma once
/// @file
/// The programmable interface of LEDDisplay as data: every property with its fixed
/// dispatch identifier, published type, whether its setter takes the argument by
/// reference, and its accessors over Variant; and the one method. Dispatch and the
/// type library both read these tables.
#include <cstdint>
#include <span>
#include <string_view>

#include "leddisplay/core/Variant.h"

namespace led::control {

class LEDDisplay;

/// How a property's value crosses the interface. Object types are set by reference
/// (PropertyPutRef), the others by value (PropertyPut).
enum class PropertyType { Double, Integer, Long, Boolean, Color, String, Font, Picture };

/// One property of the programmable interface.
struct PropertyDescription {
  std::string_view name;              ///< as published, e.g. "DigitWidth"
  int32_t dispid;                     ///< its fixed dispatch identifier
  PropertyType type;                  ///< how its value crosses the interface
  std::string_view typeName;          ///< as published: "Double", "OLE_COLOR", "PositionCts", ...
  bool setterByRef;                   ///< the setter's argument is in/out
  core::Variant (*get)(LEDDisplay&);  ///< reads the property as a Variant of its type
  void (*set)(LEDDisplay&, const core::Variant&);  ///< null when read-only
};

/// One method of the programmable interface.
struct MethodDescription {
  std::string_view name;      ///< as published
  int32_t dispid;             ///< its fixed dispatch identifier
  void (*call)(LEDDisplay&);  ///< calls it on the control
};

/// The published names of the class and of its programmable interface, and the name of
/// the interface beyond it, whose properties take dispatch identifiers from
/// kExtensionDispidBase on.
///@{
inline constexpr std::string_view kClassName = "LEDDisplay";
inline constexpr std::string_view kInterfaceName = "_LEDDisplay";
inline constexpr std::string_view kExtensionInterfaceName = "_LEDDisplayExtension";
inline constexpr int32_t kExtensionDispidBase = 0x68040000;
///@}

/// The published properties in published order, and the method Refresh.
///@{
std::span<const PropertyDescription> PropertyTable();
std::span<const MethodDescription> MethodTable();
///@}
/// The properties of the extension interface (LEDDisplay.h: beyond the published
/// interface), reached by name and dispatch identifier as the published ones are.
std::span<const PropertyDescription> ExtensionPropertyTable();
/// The property with that dispatch identifier, on either interface, or null.
const PropertyDescription* FindProperty(int32_t dispid);

/// Font and Picture: the types set by reference.
constexpr bool IsObjectType(PropertyType type) {
  return type == PropertyType::Font || type == PropertyType::Picture;
}

}  // namespace led::control
