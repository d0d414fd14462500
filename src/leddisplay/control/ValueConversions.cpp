#include "leddisplay/control/ValueConversions.h"

#include <limits>
#include <string>

#include "leddisplay/core/RuntimeError.h"

namespace led::control {

namespace {

template <class T>
std::shared_ptr<T> ToObjectOf(const core::Variant& value) {
  core::ObjectPtr object = value.ToObject();
  if (!object) return nullptr;
  auto typed = std::dynamic_pointer_cast<T>(object);
  if (!typed) throw core::RuntimeError(core::kTypeMismatch);
  return typed;
}

}  // namespace

core::Variant FromColor(core::OleColor color) {
  return core::Variant::FromLong(static_cast<int32_t>(color));
}

core::OleColor ToColor(const core::Variant& value) {
  return static_cast<core::OleColor>(value.ToLong());
}

host::FontPtr ToFont(const core::Variant& value) {
  return ToObjectOf<host::Font>(value);
}

host::PicturePtr ToPicture(const core::Variant& value) {
  return ToObjectOf<host::Picture>(value);
}

double ToValueDouble(const core::Variant& value) {
  if (value.type() == core::VariantType::String) {
    const std::string text = value.ToString();
    if (text == "NaN") return std::numeric_limits<double>::quiet_NaN();
    if (text == "Infinity") return std::numeric_limits<double>::infinity();
    if (text == "-Infinity") return -std::numeric_limits<double>::infinity();
  }
  return value.ToDouble();
}

}  // namespace led::control
