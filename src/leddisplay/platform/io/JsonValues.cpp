#include "leddisplay/platform/io/JsonValues.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "leddisplay/core/RuntimeError.h"

namespace led::platform {

namespace {

core::RuntimeError Shape(const std::string& problem) {
  return core::RuntimeError(core::kInvalidPropertyValue, problem);
}

template <class Json>
Json NonFinite(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

template <class Json>
bool BoolAttribute(const Json& json, const char* name) {
  if (!json.contains(name)) return false;
  const auto& v = json.at(name);
  if (!v.is_boolean())
    throw Shape(std::string("font attribute \"") + name + "\" is not true/false");
  return v.template get<bool>();
}

template <class Json>
int64_t IntAttribute(const Json& json, const char* name, int64_t low, int64_t high) {
  const auto& v = json.at(name);
  if (!v.is_number_integer())
    throw Shape(std::string("font attribute \"") + name + "\" is not an integer");
  const int64_t n = v.template get<int64_t>();
  if (v.is_number_unsigned() && v.template get<uint64_t>() > static_cast<uint64_t>(high)) {
    throw Shape(std::string("font attribute \"") + name + "\" is out of range");
  }
  if (n < low || n > high)
    throw Shape(std::string("font attribute \"") + name + "\" is out of range");
  return n;
}

}  // namespace

template <class Json>
Json FontToJson(const host::Font& font) {
  return {{"name", font.Name()},
          {"size", DoubleToJson<Json>(static_cast<double>(font.Size()) / 10000.0)},
          {"bold", core::IsTrue(font.Bold())},
          {"italic", core::IsTrue(font.Italic())},
          {"underline", core::IsTrue(font.Underline())},
          {"strikethrough", core::IsTrue(font.Strikethrough())},
          {"weight", font.Weight()},
          {"charset", font.Charset()}};
}

template <class Json>
std::shared_ptr<StdFont> FontFromJson(const Json& json) {
  if (!json.is_object()) throw Shape("a font must be an object of its attributes");
  if (!json.contains("name") || !json.at("name").is_string() ||
      json.at("name").template get<std::string>().empty())
    throw Shape("font attribute \"name\" must be a non-empty string");
  if (!json.contains("size") || !json.at("size").is_number())
    throw Shape("font attribute \"size\" must be a number of points");
  const double scaled = std::nearbyint(json.at("size").template get<double>() * 10000.0);
  if (!(scaled >= 1.0 && scaled <= static_cast<double>(StdFont::kMaxSize)))
    throw Shape("font attribute \"size\" is out of range");

  auto font = std::make_shared<StdFont>();
  font->SetName(json.at("name").template get<std::string>());
  font->SetSize(static_cast<int64_t>(scaled));
  font->SetBold(core::ToBoolean(BoolAttribute(json, "bold")));
  font->SetItalic(core::ToBoolean(BoolAttribute(json, "italic")));
  font->SetUnderline(core::ToBoolean(BoolAttribute(json, "underline")));
  font->SetStrikethrough(core::ToBoolean(BoolAttribute(json, "strikethrough")));
  if (json.contains("weight"))
    font->SetWeight(static_cast<int16_t>(IntAttribute(json, "weight", 0, 1000)));
  if (json.contains("charset"))
    font->SetCharset(static_cast<int16_t>(IntAttribute(json, "charset", 0, 255)));
  return font;
}

nlohmann::json PictureToJson(const host::PicturePtr& picture) {
  if (!picture) return nullptr;
  return {{"width", picture->Width()}, {"height", picture->Height()}};
}

nlohmann::json ColorToJson(core::OleColor color) {
  return static_cast<uint32_t>(color);
}

nlohmann::json SingleToJson(float value) {
  if (!std::isfinite(value)) return NonFinite<nlohmann::json>(value);
  if (value == std::trunc(value) && std::fabs(value) < 9.0e15f) {
    return static_cast<int64_t>(value);
  }
  // The shortest text that reads back as this float, stored as the double it names,
  // so that 0.1f prints as 0.1 rather than 0.100000001490116.
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  if (ec != std::errc()) return static_cast<double>(value);
  return std::strtod(std::string(buf, end).c_str(), nullptr);
}

template <class Json>
Json DoubleToJson(double value) {
  if (!std::isfinite(value)) return NonFinite<Json>(value);
  // Whole numbers print without a fraction (5, not 5.0); -0 keeps its sign as a double.
  if (value == std::trunc(value) && std::fabs(value) < 9.0e15 &&
      !(value == 0 && std::signbit(value)))
    return static_cast<int64_t>(value);
  return value;
}

template <class Json>
double DoubleFromJson(const Json& json) {
  if (json.is_number()) return json.template get<double>();
  if (json.is_string()) {
    const auto& s = json.template get_ref<const std::string&>();
    if (s == "NaN") return std::nan("");
    if (s == "Infinity") return HUGE_VAL;
    if (s == "-Infinity") return -HUGE_VAL;
  }
  throw Shape("expected a number or \"NaN\", \"Infinity\", \"-Infinity\"");
}

nlohmann::json VariantToJson(const core::Variant& value) {
  switch (value.type()) {
    case core::VariantType::Empty:
      return nullptr;
    case core::VariantType::Integer:
      return value.ToInteger();
    case core::VariantType::Long:
      return value.ToLong();
    case core::VariantType::Single:
      return SingleToJson(value.ToSingle());
    case core::VariantType::Double:
      return DoubleToJson<nlohmann::json>(value.ToDouble());
    case core::VariantType::Boolean:
      return core::IsTrue(value.ToBoolean());
    case core::VariantType::String:
      return value.ToString();
    case core::VariantType::Object: {
      const auto object = value.ToObject();
      if (const auto font = std::dynamic_pointer_cast<host::Font>(object))
        return FontToJson<nlohmann::json>(*font);
      if (const auto picture = std::dynamic_pointer_cast<host::Picture>(object))
        return PictureToJson(picture);
      return nullptr;
    }
  }
  return nullptr;
}

template nlohmann::json FontToJson<nlohmann::json>(const host::Font&);
template nlohmann::ordered_json FontToJson<nlohmann::ordered_json>(const host::Font&);
template std::shared_ptr<StdFont> FontFromJson(const nlohmann::json&);
template std::shared_ptr<StdFont> FontFromJson(const nlohmann::ordered_json&);
template nlohmann::json DoubleToJson<nlohmann::json>(double);
template nlohmann::ordered_json DoubleToJson<nlohmann::ordered_json>(double);
template double DoubleFromJson(const nlohmann::json&);
template double DoubleFromJson(const nlohmann::ordered_json&);

}  // namespace led::platform
