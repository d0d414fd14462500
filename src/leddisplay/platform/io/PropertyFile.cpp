// The property file: saving (each entry to its typed JSON form, then one atomic write)
// and loading (the file, its header, then each entry checked against its type).
#include "leddisplay/platform/io/PropertyFile.h"

#include <cmath>
#include <limits>
#include <unordered_set>
#include <vector>

#include <nlohmann/json.hpp>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"
#include "leddisplay/platform/io/Base64.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/FileRead.h"
#include "leddisplay/platform/io/FileWrite.h"
#include "leddisplay/platform/io/JsonValues.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/raster/GdiTable.h"

namespace led::platform {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormat = "leddisplay";
constexpr int kVersion = 1;

// Limits on the file's shape, far beyond what a control writes (39 keys, fonts of 8
// attributes, nesting 4 deep). Objects are kept in file order, which makes building one
// take time in the square of its members, so both are checked before building.
constexpr size_t kMaxMembers = 1024;
constexpr size_t kMaxDepth = 512;
// Each value takes tens of bytes once built, whatever its text takes.
constexpr size_t kMaxValues = 100000;

// A first pass over the text that stops at the first object with too many members or a
// member named twice (building the document would silently keep the last), at too deep
// a nesting or at too many values; syntax errors are left to the parse that builds the document.
class ShapeCheck : public nlohmann::json_sax<Json> {
 public:
  std::string problem;

  bool null() override { return Counted(); }
  bool boolean(bool) override { return Counted(); }
  bool number_integer(number_integer_t) override { return Counted(); }
  bool number_unsigned(number_unsigned_t) override { return Counted(); }
  bool number_float(number_float_t, const string_t&) override { return Counted(); }
  bool string(string_t&) override { return Counted(); }
  bool binary(binary_t&) override { return Counted(); }
  bool start_object(std::size_t) override {
    objects_.emplace_back();
    return Counted() && Deeper();
  }
  bool key(string_t& key) override {
    OpenObject& object = objects_.back();
    if (object.keys.size() >= kMaxMembers) {
      problem = "an object with more than " + std::to_string(kMaxMembers) + " members";
      return false;
    }
    object.lastKey = key;
    if (object.keys.insert(key).second) return true;
    problem = "key \"" + key + "\": appears twice";
    return false;
  }
  bool end_object() override {
    objects_.pop_back();
    --depth_;
    return true;
  }
  bool start_array(std::size_t) override { return Counted() && Deeper(); }
  bool end_array() override {
    --depth_;
    return true;
  }
  bool parse_error(std::size_t, const std::string& token,
                   const nlohmann::detail::exception& error) override {
    // Other syntax errors are worded by the parse that builds the document; a number
    // beyond a double's range would escape it as another kind of exception.
    constexpr int kNumberOverflow = 406;
    if (error.id == kNumberOverflow)
      problem = Where() + "number " + token + " is beyond the range of a double";
    return false;
  }

 private:
  bool Deeper() {
    if (++depth_ <= kMaxDepth) return true;
    problem = "values nested more than " + std::to_string(kMaxDepth) + " deep";
    return false;
  }

  bool Counted() {
    if (++values_ <= kMaxValues) return true;
    problem = "more than " + std::to_string(kMaxValues) + " values";
    return false;
  }

  // The entry being read, as errors name it: the property's key inside "properties",
  // else the innermost key, else the file as a whole.
  std::string Where() const {
    if (objects_.size() >= 2 && objects_[0].lastKey == "properties")
      return "key \"" + objects_[1].lastKey + "\": ";
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it)
      if (!it->lastKey.empty()) return "key \"" + it->lastKey + "\": ";
    return "the file: ";
  }

  struct OpenObject {
    std::unordered_set<std::string> keys;
    std::string lastKey;  // the latest one read
  };
  std::vector<OpenObject> objects_;
  size_t depth_ = 0;
  size_t values_ = 0;
};

// A problem with one entry; the caller adds the file and the key.
struct EntryProblem {
  std::string what;
};

std::shared_ptr<Image> BitmapOfPicture(const host::Picture& picture) {
  if (const auto* bitmap = dynamic_cast<const BitmapPicture*>(&picture))
    return std::make_shared<Image>(bitmap->Bitmap());
  return GdiTable::Instance().BitmapOf(picture.Handle());
}

Json Typed(const char* type, Json value) {
  return Json{{"type", type}, {"value", std::move(value)}};
}

Json EntryToJson(const core::Variant& value) {
  switch (value.type()) {
    case core::VariantType::Empty:
      return Json{{"type", "Empty"}};
    case core::VariantType::Integer:
      return Typed("Integer", value.ToInteger());
    case core::VariantType::Long:
      return Typed("Long", value.ToLong());
    case core::VariantType::Boolean:
      return Typed("Boolean", value.ToBoolean());
    case core::VariantType::Single: {
      const float f = value.ToSingle();
      return Typed("Single",
                   std::isfinite(f) ? Json(SingleToJson(f).get<double>()) : DoubleToJson<Json>(f));
    }
    case core::VariantType::Double:
      return Typed("Double", DoubleToJson<Json>(value.ToDouble()));
    case core::VariantType::String: {
      std::string text = value.ToString();
      // Text that is not UTF-8 cannot be a JSON string; it is kept as its bytes.
      if (!core::IsValidUtf8(text)) {
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()),
                                             text.size());
        return Json{{"type", "String"}, {"base64", EncodeBase64(bytes)}};
      }
      return Typed("String", std::move(text));
    }
    case core::VariantType::Object:
      break;
  }
  const auto object = value.ToObject();
  if (!object) return Json{{"type", "None"}};
  if (const auto font = std::dynamic_pointer_cast<host::Font>(object)) {
    return Typed("Font", FontToJson<Json>(*font));
  }
  if (const auto picture = std::dynamic_pointer_cast<host::Picture>(object)) {
    if (picture->Handle() == 0) return Json{{"type", "None"}};
    const auto image = BitmapOfPicture(*picture);
    if (!image) throw EntryProblem{"the picture's bitmap is not known"};
    // A picture without pixels (0 x 0, or one side 0) has no PNG form; it is kept as
    // its size alone.
    if (image->width <= 0 || image->height <= 0)
      return Typed("Picture",
                   Json{{"width", image->width}, {"height", image->height}, {"png", ""}});
    std::vector<uint8_t> png;
    try {
      png = EncodePng(*image);
    } catch (const core::RuntimeError& e) {
      throw EntryProblem{e.description()};
    }
    return Typed(
        "Picture",
        Json{{"width", image->width}, {"height", image->height}, {"png", EncodeBase64(png)}});
  }
  throw EntryProblem{"an object that is neither a font nor a picture cannot be saved"};
}

template <class T>
T IntegerIn(const Json& value, const char* type) {
  if (value.is_number_integer()) {
    if (value.is_number_unsigned()) {
      if (value.get<uint64_t>() <= static_cast<uint64_t>(std::numeric_limits<T>::max()))
        return static_cast<T>(value.get<uint64_t>());
    } else {
      const int64_t n = value.get<int64_t>();
      if (n >= std::numeric_limits<T>::min() && n <= std::numeric_limits<T>::max())
        return static_cast<T>(n);
    }
    throw EntryProblem{std::string("value out of range for ") + type};
  }
  throw EntryProblem{std::string("value is not an integer, as ") + type + " needs"};
}

double DoubleIn(const Json& value) {
  try {
    return DoubleFromJson(value);
  } catch (const core::RuntimeError& e) {
    throw EntryProblem{"value: " + e.description()};
  }
}

core::Variant PictureFromJson(const Json& value) {
  if (!value.is_object() || !value.contains("width") || !value.contains("height") ||
      !value.contains("png") || !value.at("png").is_string())
    throw EntryProblem{"a picture needs \"width\", \"height\" and \"png\" (base64 text)"};
  const auto width = IntegerIn<int32_t>(value.at("width"), "a picture width");
  const auto height = IntegerIn<int32_t>(value.at("height"), "a picture height");
  if (value.at("png").get_ref<const std::string&>().empty()) {
    if (width < 0 || height < 0 || (width != 0 && height != 0))
      throw EntryProblem{"a picture without \"png\" data must have a side of 0 pixels, not " +
                         std::to_string(width) + "x" + std::to_string(height)};
    return core::Variant::FromObject(BitmapPicture::FromImage(Image(width, height)));
  }
  const auto bytes = DecodeBase64(value.at("png").get<std::string>());
  if (!bytes) throw EntryProblem{"the picture's \"png\" is not base64"};
  Image image;
  try {
    image = DecodePng(*bytes, "embedded PNG");
  } catch (const core::RuntimeError& e) {
    throw EntryProblem{e.description()};
  }
  if (image.width != width || image.height != height)
    throw EntryProblem{"the picture's PNG is " + std::to_string(image.width) + "x" +
                       std::to_string(image.height) + ", not " + std::to_string(width) + "x" +
                       std::to_string(height)};
  return core::Variant::FromObject(BitmapPicture::FromImage(std::move(image)));
}

core::Variant EntryFromJson(const Json& entry) {
  if (!entry.is_object() || !entry.contains("type") || !entry.at("type").is_string())
    throw EntryProblem{"an entry must be an object with a \"type\""};
  const std::string type = entry.at("type").get<std::string>();
  if (type == "None") return core::Variant::FromObject(nullptr);
  if (type == "Empty") return core::Variant();
  if (type == "String" && entry.contains("base64") && !entry.contains("value")) {
    const auto& text = entry.at("base64");
    const auto bytes = text.is_string() ? DecodeBase64(text.get<std::string>()) : std::nullopt;
    if (!bytes) throw EntryProblem{"\"base64\" is not base64 text"};
    return core::Variant::FromString(std::string(bytes->begin(), bytes->end()));
  }
  if (!entry.contains("value")) throw EntryProblem{"the entry has no \"value\""};
  const Json& value = entry.at("value");

  if (type == "Integer") return core::Variant::FromInteger(IntegerIn<int16_t>(value, "Integer"));
  if (type == "Long") return core::Variant::FromLong(IntegerIn<int32_t>(value, "Long"));
  if (type == "Boolean") {
    if (value.is_boolean()) return core::Variant::FromBoolean(core::ToBoolean(value.get<bool>()));
    return core::Variant::FromBoolean(IntegerIn<int16_t>(value, "Boolean"));
  }
  if (type == "String") {
    if (!value.is_string()) throw EntryProblem{"value is not a string"};
    return core::Variant::FromString(value.get<std::string>());
  }
  if (type == "Double") return core::Variant::FromDouble(DoubleIn(value));
  if (type == "Single") {
    const double d = DoubleIn(value);
    if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
      throw EntryProblem{"value out of range for Single"};
    return core::Variant::FromSingle(static_cast<float>(d));
  }
  if (type == "Font") {
    try {
      return core::Variant::FromObject(FontFromJson(value));
    } catch (const core::RuntimeError& e) {
      throw EntryProblem{e.description()};
    }
  }
  if (type == "Picture") return PictureFromJson(value);
  throw EntryProblem{"unknown type \"" + type + "\""};
}

core::RuntimeError Invalid(const std::string& path, const std::string& problem) {
  return core::RuntimeError(core::kInvalidPropertyValue,
                            "Invalid property file \"" + path + "\": " + problem);
}

}  // namespace

void SavePropertyFile(const std::string& path, const MemoryPropertyBag& bag) {
  if (bag.Entries().size() > kMaxMembers)
    throw core::RuntimeError(core::kInvalidPropertyValue,
                             "Cannot save property file \"" + path + "\": more than " +
                                 std::to_string(kMaxMembers) + " properties");
  Json properties = Json::object();
  for (const auto& entry : bag.Entries()) {
    try {
      properties[entry.key] = EntryToJson(entry.value);
    } catch (const EntryProblem& problem) {
      throw core::RuntimeError(
          core::kInvalidPropertyValue,
          "Cannot save property file \"" + path + "\": key \"" + entry.key + "\": " + problem.what);
    }
  }
  const Json document{{"format", kFormat}, {"version", kVersion}, {"properties", properties}};
  std::string text;
  try {
    text = document.dump(2) + "\n";
  } catch (const nlohmann::json::exception& e) {
    throw core::RuntimeError(core::kInvalidPropertyValue,
                             "Cannot save property file \"" + path + "\": " + e.what());
  }
  WriteWholeFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

MemoryPropertyBag LoadPropertyFile(const std::string& path) {
  return ParsePropertyFile(ReadWholeFile(path, kMaxPropertyFileBytes), path);
}

MemoryPropertyBag ParsePropertyFile(const std::string& text, const std::string& path) {
  ShapeCheck shape;
  Json::sax_parse(text, &shape);
  if (!shape.problem.empty()) throw Invalid(path, shape.problem);
  Json document;
  try {
    document = Json::parse(text);
  } catch (const nlohmann::json::exception& e) {
    throw Invalid(path, "not JSON (" + std::string(e.what()) + ")");
  }
  if (!document.is_object()) throw Invalid(path, "not a property file (expected a JSON object)");
  if (!document.contains("format") || document.at("format") != kFormat)
    throw Invalid(path, "wrong format (expected \"format\": \"leddisplay\")");
  if (!document.contains("version") || !document.at("version").is_number_integer())
    throw Invalid(path, "no version number");
  if (document.at("version") != kVersion)
    throw Invalid(path, "version " + document.at("version").dump() +
                            " is not supported (expected " + std::to_string(kVersion) + ")");
  if (!document.contains("properties") || !document.at("properties").is_object())
    throw Invalid(path, "\"properties\" must be an object");

  MemoryPropertyBag bag;
  for (const auto& [key, entry] : document.at("properties").items()) {
    if (bag.Contains(key)) throw Invalid(path, "key \"" + key + "\": appears twice");
    try {
      bag.Store(key, EntryFromJson(entry));
    } catch (const EntryProblem& problem) {
      throw Invalid(path, "key \"" + key + "\": " + problem.what);
    }
  }
  return bag;
}

}  // namespace led::platform
