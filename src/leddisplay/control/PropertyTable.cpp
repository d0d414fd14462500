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

// The argument each published type's setter takes. The setter is named by this
// signature, which picks the interface's own overload where C++ callers have more.
template <PropertyType T>
struct SetterArgument;
template <>
struct SetterArgument<Double> : std::type_identity<double> {};
template <>
struct SetterArgument<Integer> : std::type_identity<int16_t> {};
template <>
struct SetterArgument<Long> : std::type_identity<int32_t> {};
template <>
struct SetterArgument<Boolean> : std::type_identity<core::Boolean> {};
template <>
struct SetterArgument<Color> : std::type_identity<core::OleColor> {};
template <>
struct SetterArgument<String> : std::type_identity<const std::string&> {};
template <>
struct SetterArgument<Font> : std::type_identity<host::FontPtr> {};
template <>
struct SetterArgument<Picture> : std::type_identity<host::PicturePtr> {};
template <PropertyType T>
using SetterOf = void (LEDDisplay::*)(typename SetterArgument<T>::type);

template <PropertyType T, SetterOf<T> Setter>
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

template <PropertyType T, auto Getter, SetterOf<T> Setter>
constexpr PropertyDescription Prop(std::string_view name, int32_t dispid, std::string_view typeName,
                                   bool byRef) {
  return {name, dispid, T, typeName, byRef, &Get<T, Getter>, &Set<T, Setter>};
}

using C = LEDDisplay;
constexpr bool kByRef = true;
constexpr bool kByVal = false;

constexpr PropertyDescription kProperties[] = {
    Prop<Double, &C::Value, &C::SetValue>("Value", 0x68030025, "Double", kByRef),
    Prop<Long, &C::Appearance, &C::SetAppearance>("Appearance", 0x68030024, "AppearanceCts",
                                                  kByVal),
    Prop<Boolean, &C::AutoSize, &C::SetAutoSize>("AutoSize", 0x68030023, "Boolean", kByRef),
    Prop<Long, &C::BackGroundStyle, &C::SetBackGroundStyle>("BackGroundStyle", 0x68030022,
                                                            "BackGroundStyleCts", kByVal),
    Prop<Color, &C::BackGroundG1, &C::SetBackGroundG1>("BackGroundG1", 0x68030021, "OLE_COLOR",
                                                       kByVal),
    Prop<Color, &C::BackGroundG2, &C::SetBackGroundG2>("BackGroundG2", 0x68030020, "OLE_COLOR",
                                                       kByVal),
    Prop<Long, &C::BorderStyle, &C::SetBorderStyle>("BorderStyle", 0x6803001F, "BorderStyleCts",
                                                    kByVal),
    Prop<String, &C::CaptionLow, &C::SetCaptionLow>("CaptionLow", 0x6803001E, "String", kByVal),
    Prop<Color, &C::CaptionLowForeColor, &C::SetCaptionLowForeColor>(
        "CaptionLowForeColor", 0x6803001D, "OLE_COLOR", kByVal),
    Prop<Long, &C::CaptionLowPosition, &C::SetCaptionLowPosition>("CaptionLowPosition", 0x6803001C,
                                                                  "PositionCts", kByVal),
    Prop<Font, &C::CaptionLowFont, &C::SetCaptionLowFont>("CaptionLowFont", 0x6803001B, "StdFont",
                                                          kByVal),
    Prop<String, &C::CaptionUpper, &C::SetCaptionUpper>("CaptionUpper", 0x6803001A, "String",
                                                        kByVal),
    Prop<Color, &C::CaptionUpperForeColor, &C::SetCaptionUpperForeColor>(
        "CaptionUpperForeColor", 0x68030019, "OLE_COLOR", kByVal),
    Prop<Long, &C::CaptionUpperPosition, &C::SetCaptionUpperPosition>(
        "CaptionUpperPosition", 0x68030018, "PositionCts", kByVal),
    Prop<Font, &C::CaptionUpperFont, &C::SetCaptionUpperFont>("CaptionUpperFont", 0x68030017,
                                                              "StdFont", kByVal),
    Prop<Integer, &C::Decimals, &C::SetDecimals>("Decimals", 0x68030016, "Integer", kByRef),
    Prop<Integer, &C::DecimalPointSize, &C::SetDecimalPointSize>("DecimalPointSize", 0x68030015,
                                                                 "Integer", kByRef),
    {"hWnd", 0x68030014, Long, "Long", kByVal, &Get<Long, &C::hWnd>, nullptr},
    Prop<Long, &C::MousePointer, &C::SetMousePointer>("MousePointer", 0x68030013,
                                                      "MousePointerConstants", kByVal),
    Prop<Picture, &C::MouseIcon, &C::SetMouseIcon>("MouseIcon", 0x68030012, "StdPicture", kByVal),
    Prop<Picture, &C::PictureBackGround, &C::SetPictureBackGround>("PictureBackGround", 0x68030011,
                                                                   "StdPicture", kByRef),
    Prop<Boolean, &C::ShowAllDecimalPoints, &C::SetShowAllDecimalPoints>(
        "ShowAllDecimalPoints", 0x68030010, "Boolean", kByRef),
    Prop<Integer, &C::Digits, &C::SetDigits>("Digits", 0x6803000F, "Integer", kByRef),
    Prop<Integer, &C::DigitWidth, &C::SetDigitWidth>("DigitWidth", 0x6803000E, "Integer", kByRef),
    Prop<Integer, &C::DigitHeight, &C::SetDigitHeight>("DigitHeight", 0x6803000D, "Integer",
                                                       kByRef),
    Prop<Integer, &C::DigitLeftMargin, &C::SetDigitLeftMargin>("DigitLeftMargin", 0x6803000C,
                                                               "Integer", kByRef),
    Prop<Integer, &C::DigitUpperMargin, &C::SetDigitUpperMargin>("DigitUpperMargin", 0x6803000B,
                                                                 "Integer", kByRef),
    Prop<Integer, &C::DigitSpacing, &C::SetDigitSpacing>("DigitSpacing", 0x6803000A, "Integer",
                                                         kByRef),
    Prop<Integer, &C::SegmentWidth, &C::SetSegmentWidth>("SegmentWidth", 0x68030009, "Integer",
                                                         kByRef),
    Prop<Integer, &C::SegmentSeperation, &C::SetSegmentSeperation>("SegmentSeperation", 0x68030008,
                                                                   "Integer", kByRef),
    Prop<Boolean, &C::LeadingZeros, &C::SetLeadingZeros>("LeadingZeros", 0x68030007, "Boolean",
                                                         kByRef),
    Prop<Boolean, &C::LeadingPlusMinus, &C::SetLeadingPlusMinus>("LeadingPlusMinus", 0x68030006,
                                                                 "Boolean", kByRef),
    Prop<Boolean, &C::Enabled, &C::SetEnabled>("Enabled", 0x68030005, "Boolean", kByRef),
    Prop<Color, &C::BackColor, &C::SetBackColor>("BackColor", 0x68030004, "OLE_COLOR", kByVal),
    Prop<Color, &C::OnColor, &C::SetOnColor>("OnColor", 0x68030003, "OLE_COLOR", kByVal),
    Prop<Color, &C::OffColor, &C::SetOffColor>("OffColor", 0x68030002, "OLE_COLOR", kByVal),
    Prop<Boolean, &C::Transparent, &C::SetTransparent>("Transparent", 0x68030001, "Boolean",
                                                       kByVal),
    Prop<Boolean, &C::UseOverRange, &C::SetUseOverRange>("UseOverRange", 0x68030000, "Boolean",
                                                         kByRef),
};

constexpr MethodDescription kMethods[] = {
    {"Refresh", 0x60030026, [](LEDDisplay& control) { control.Refresh(); }},
};

}  // namespace

const PropertyDescription* FindProperty(int32_t dispid) {
  for (const PropertyDescription& p : PropertyTable())
    if (p.dispid == dispid) return &p;
  return nullptr;
}

std::span<const PropertyDescription> PropertyTable() {
  return kProperties;
}
std::span<const MethodDescription> MethodTable() {
  return kMethods;
}

}  // namespace led::control
