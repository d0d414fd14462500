#include "leddisplay/control/PropertyTable.h"

#include <type_traits>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/control/ValueConversions.h"

namespace led::control {

namespace {

using core::Variant;
using enum PropertyType;

template <PropertyType T, auto Getter>
Variant Get(LEDDisplay& control) {
  const auto value = (control.*Getter)();
  if constexpr (T == Double) return Variant::FromDouble(value);
  if constexpr (T == Integer) return Variant::FromInteger(value);
  if constexpr (T == Long) return Variant::FromLong(value);
  if constexpr (T == Boolean) return Variant::FromBoolean(value);
  if constexpr (T == Color) return FromColor(value);
  if constexpr (T == String) return Variant::FromString(value);
  if constexpr (T == Font || T == Picture) return Variant::FromObject(value);
}

// The published type of a setter's argument; any other argument type does not compile.
template <class Arg>
struct Published;
template <PropertyType T>
using Is = std::integral_constant<PropertyType, T>;
template <>
struct Published<double> : Is<Double> {};
template <>
struct Published<core::Int16Arg> : Is<Integer> {};
template <>
struct Published<core::Int32Arg> : Is<Long> {};
template <>
struct Published<core::BooleanArg> : Is<Boolean> {};
template <>
struct Published<core::ColorArg> : Is<Color> {};
template <>
struct Published<const std::string&> : Is<String> {};
template <>
struct Published<host::FontPtr> : Is<Font> {};
template <>
struct Published<host::PicturePtr> : Is<Picture> {};

template <class Setter>
struct ArgumentOf;
template <class Arg>
struct ArgumentOf<void (LEDDisplay::*)(Arg)> : std::type_identity<Arg> {};
template <auto Setter>
constexpr PropertyType kTypeOf = Published<typename ArgumentOf<decltype(Setter)>::type>::value;

template <PropertyType T, auto Setter>
void Set(LEDDisplay& control, const Variant& value) {
  if constexpr (T == Double) (control.*Setter)(value.ToDouble());
  if constexpr (T == Integer) (control.*Setter)(value.ToInteger());
  if constexpr (T == Long) (control.*Setter)(value.ToLong());
  if constexpr (T == Boolean) (control.*Setter)(value.ToBoolean());
  if constexpr (T == Color) (control.*Setter)(ToColor(value));
  if constexpr (T == String) (control.*Setter)(value.ToString());
  if constexpr (T == Font) (control.*Setter)(ToFont(value));
  if constexpr (T == Picture) (control.*Setter)(ToPicture(value));
}

// A property whose published type is its setter's argument's.
template <auto Getter, auto Setter>
constexpr PropertyDescription Prop(std::string_view name, int32_t dispid, std::string_view typeName,
                                   bool byRef) {
  constexpr PropertyType T = kTypeOf<Setter>;
  return {name, dispid, T, typeName, byRef, &Get<T, Getter>, &Set<T, Setter>};
}

using C = LEDDisplay;
constexpr bool kByRef = true;
constexpr bool kByVal = false;

constexpr PropertyDescription kProperties[] = {
    Prop<&C::Value, &C::SetValue>("Value", 0x68030025, "Double", kByRef),
    Prop<&C::Appearance, &C::SetAppearance>("Appearance", 0x68030024, "AppearanceCts", kByVal),
    Prop<&C::AutoSize, &C::SetAutoSize>("AutoSize", 0x68030023, "Boolean", kByRef),
    Prop<&C::BackGroundStyle, &C::SetBackGroundStyle>("BackGroundStyle", 0x68030022,
                                                      "BackGroundStyleCts", kByVal),
    Prop<&C::BackGroundG1, &C::SetBackGroundG1>("BackGroundG1", 0x68030021, "OLE_COLOR", kByVal),
    Prop<&C::BackGroundG2, &C::SetBackGroundG2>("BackGroundG2", 0x68030020, "OLE_COLOR", kByVal),
    Prop<&C::BorderStyle, &C::SetBorderStyle>("BorderStyle", 0x6803001F, "BorderStyleCts", kByVal),
    Prop<&C::CaptionLow, &C::SetCaptionLow>("CaptionLow", 0x6803001E, "String", kByVal),
    Prop<&C::CaptionLowForeColor, &C::SetCaptionLowForeColor>("CaptionLowForeColor", 0x6803001D,
                                                              "OLE_COLOR", kByVal),
    Prop<&C::CaptionLowPosition, &C::SetCaptionLowPosition>("CaptionLowPosition", 0x6803001C,
                                                            "PositionCts", kByVal),
    Prop<&C::CaptionLowFont, &C::SetCaptionLowFont>("CaptionLowFont", 0x6803001B, "StdFont",
                                                    kByVal),
    Prop<&C::CaptionUpper, &C::SetCaptionUpper>("CaptionUpper", 0x6803001A, "String", kByVal),
    Prop<&C::CaptionUpperForeColor, &C::SetCaptionUpperForeColor>("CaptionUpperForeColor",
                                                                  0x68030019, "OLE_COLOR", kByVal),
    Prop<&C::CaptionUpperPosition, &C::SetCaptionUpperPosition>("CaptionUpperPosition", 0x68030018,
                                                                "PositionCts", kByVal),
    Prop<&C::CaptionUpperFont, &C::SetCaptionUpperFont>("CaptionUpperFont", 0x68030017, "StdFont",
                                                        kByVal),
    Prop<&C::Decimals, &C::SetDecimals>("Decimals", 0x68030016, "Integer", kByRef),
    Prop<&C::DecimalPointSize, &C::SetDecimalPointSize>("DecimalPointSize", 0x68030015, "Integer",
                                                        kByRef),
    {"hWnd", 0x68030014, Long, "Long", kByVal, &Get<Long, &C::hWnd>, nullptr},
    Prop<&C::MousePointer, &C::SetMousePointer>("MousePointer", 0x68030013, "MousePointerConstants",
                                                kByVal),
    Prop<&C::MouseIcon, &C::SetMouseIcon>("MouseIcon", 0x68030012, "StdPicture", kByVal),
    Prop<&C::PictureBackGround, &C::SetPictureBackGround>("PictureBackGround", 0x68030011,
                                                          "StdPicture", kByRef),
    Prop<&C::ShowAllDecimalPoints, &C::SetShowAllDecimalPoints>("ShowAllDecimalPoints", 0x68030010,
                                                                "Boolean", kByRef),
    Prop<&C::Digits, &C::SetDigits>("Digits", 0x6803000F, "Integer", kByRef),
    Prop<&C::DigitWidth, &C::SetDigitWidth>("DigitWidth", 0x6803000E, "Integer", kByRef),
    Prop<&C::DigitHeight, &C::SetDigitHeight>("DigitHeight", 0x6803000D, "Integer", kByRef),
    Prop<&C::DigitLeftMargin, &C::SetDigitLeftMargin>("DigitLeftMargin", 0x6803000C, "Integer",
                                                      kByRef),
    Prop<&C::DigitUpperMargin, &C::SetDigitUpperMargin>("DigitUpperMargin", 0x6803000B, "Integer",
                                                        kByRef),
    Prop<&C::DigitSpacing, &C::SetDigitSpacing>("DigitSpacing", 0x6803000A, "Integer", kByRef),
    Prop<&C::SegmentWidth, &C::SetSegmentWidth>("SegmentWidth", 0x68030009, "Integer", kByRef),
    Prop<&C::SegmentSeperation, &C::SetSegmentSeperation>("SegmentSeperation", 0x68030008,
                                                          "Integer", kByRef),
    Prop<&C::LeadingZeros, &C::SetLeadingZeros>("LeadingZeros", 0x68030007, "Boolean", kByRef),
    Prop<&C::LeadingPlusMinus, &C::SetLeadingPlusMinus>("LeadingPlusMinus", 0x68030006, "Boolean",
                                                        kByRef),
    Prop<&C::Enabled, &C::SetEnabled>("Enabled", 0x68030005, "Boolean", kByRef),
    Prop<&C::BackColor, &C::SetBackColor>("BackColor", 0x68030004, "OLE_COLOR", kByVal),
    Prop<&C::OnColor, &C::SetOnColor>("OnColor", 0x68030003, "OLE_COLOR", kByVal),
    Prop<&C::OffColor, &C::SetOffColor>("OffColor", 0x68030002, "OLE_COLOR", kByVal),
    Prop<&C::Transparent, &C::SetTransparent>("Transparent", 0x68030001, "Boolean", kByVal),
    Prop<&C::UseOverRange, &C::SetUseOverRange>("UseOverRange", 0x68030000, "Boolean", kByRef),
};

// Beyond the published interface: numbered on from kExtensionDispidBase in the order
// they were added, never renumbered.
constexpr int32_t X = kExtensionDispidBase;
constexpr PropertyDescription kExtensionProperties[] = {
    Prop<&C::FlashCells, &C::SetFlashCells>("FlashCells", X + 0, "Long", kByVal),
    Prop<&C::FlashInterval, &C::SetFlashInterval>("FlashInterval", X + 1, "Long", kByVal),
    Prop<&C::FlashPhase, &C::SetFlashPhase>("FlashPhase", X + 2, "Boolean", kByVal),
    Prop<&C::UseLimits, &C::SetUseLimits>("UseLimits", X + 3, "Boolean", kByVal),
    Prop<&C::LowLimit, &C::SetLowLimit>("LowLimit", X + 4, "Double", kByVal),
    Prop<&C::HighLimit, &C::SetHighLimit>("HighLimit", X + 5, "Double", kByVal),
    Prop<&C::LowColor, &C::SetLowColor>("LowColor", X + 6, "OLE_COLOR", kByVal),
    Prop<&C::HighColor, &C::SetHighColor>("HighColor", X + 7, "OLE_COLOR", kByVal),
    Prop<&C::Slant, &C::SetSlant>("Slant", X + 8, "Double", kByVal),
    Prop<&C::Text, &C::SetText>("Text", X + 9, "String", kByVal),
    Prop<&C::SegmentStyle, &C::SetSegmentStyle>("SegmentStyle", X + 10, "Integer", kByVal),
    Prop<&C::Segments, &C::SetSegments>("Segments", X + 11, "String", kByVal),
};

constexpr MethodDescription kMethods[] = {
    {"Refresh", 0x60030026, [](LEDDisplay& control) { control.Refresh(); }},
};

}  // namespace

const PropertyDescription* FindProperty(int32_t dispid) {
  for (const auto table : {PropertyTable(), ExtensionPropertyTable()})
    for (const PropertyDescription& p : table)
      if (p.dispid == dispid) return &p;
  return nullptr;
}

std::span<const PropertyDescription> PropertyTable() {
  return kProperties;
}
std::span<const MethodDescription> MethodTable() {
  return kMethods;
}
std::span<const PropertyDescription> ExtensionPropertyTable() {
  return kExtensionProperties;
}

}  // namespace led::control
