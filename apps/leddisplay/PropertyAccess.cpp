#include "apps/leddisplay/PropertyAccess.h"

#include "leddisplay/control/Dispatch.h"
#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/JsonValues.h"

namespace led::apps {

namespace {

const char* TypeName(control::PropertyType type) {
  switch (type) {
    case control::PropertyType::Double:
      return "Double";
    case control::PropertyType::Integer:
      return "Integer";
    case control::PropertyType::Long:
      return "Long";
    case control::PropertyType::Boolean:
      return "Boolean";
    case control::PropertyType::Color:
      return "Color";
    case control::PropertyType::String:
      return "String";
    case control::PropertyType::Font:
      return "Font";
    case control::PropertyType::Picture:
      return "Picture";
  }
  return "Empty";
}

}  // namespace

void SetProperty(control::LEDDisplay& display, const std::string& name,
                 const core::Variant& value) {
  const int32_t dispid = control::GetIDOfName(name);
  const auto* property = control::FindProperty(dispid);
  const auto kind = property && control::IsObjectType(property->type)
                        ? control::InvokeKind::PropertyPutRef
                        : control::InvokeKind::PropertyPut;
  control::Invoke(display, dispid, kind, std::span<const core::Variant>(&value, 1));
}

nlohmann::ordered_json GetProperty(control::LEDDisplay& display, const std::string& name) {
  const int32_t dispid = control::GetIDOfName(name);
  const core::Variant value =
      control::Invoke(display, dispid, control::InvokeKind::PropertyGet, {});
  const auto* property = control::FindProperty(dispid);
  if (!property) throw core::RuntimeError(core::kNotSupported);
  nlohmann::ordered_json json{{"type", TypeName(property->type)}};
  switch (property->type) {
    case control::PropertyType::Boolean:
    case control::PropertyType::Integer:
      json["value"] = value.ToInteger();
      break;
    case control::PropertyType::Long:
      json["value"] = value.ToLong();
      break;
    case control::PropertyType::Color:
      json["value"] = static_cast<uint32_t>(value.ToLong());
      break;
    default:
      // Strings keep bytes that are not UTF-8; they become U+FFFD here, as when printed.
      json["value"] = nlohmann::ordered_json::parse(platform::VariantToJson(value).dump(
          -1, ' ', false, nlohmann::json::error_handler_t::replace));
  }
  return json;
}

void CallMethod(control::LEDDisplay& display, const std::string& name) {
  control::Invoke(display, control::GetIDOfName(name), control::InvokeKind::Method, {});
}

}  // namespace led::apps
