#include "leddisplay/platform/raster/StdFont.h"

#include <cmath>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"

namespace led::platform {

namespace {

core::RuntimeError Refused(const std::string& what) {
  return core::RuntimeError(core::kInvalidPropertyValue, "Invalid property value: font " + what);
}

}  // namespace

host::FontPtr StdFont::Create(std::string name, double points) {
  auto font = std::make_shared<StdFont>();
  font->SetName(name);
  const double scaled = std::nearbyint(points * 10000.0);
  if (!(scaled >= 1.0 && scaled <= static_cast<double>(kMaxSize)))
    throw Refused("size out of range");
  font->SetSize(static_cast<int64_t>(scaled));
  return font;
}

std::shared_ptr<StdFont> StdFont::CopyOf(const host::Font& font) {
  auto copy = std::make_shared<StdFont>();
  copy->name_ = font.Name();
  copy->size_ = font.Size();
  copy->bold_ = core::ToBoolean(core::IsTrue(font.Bold()));
  copy->italic_ = core::ToBoolean(core::IsTrue(font.Italic()));
  copy->underline_ = core::ToBoolean(core::IsTrue(font.Underline()));
  copy->strikethrough_ = core::ToBoolean(core::IsTrue(font.Strikethrough()));
  copy->weight_ = font.Weight();
  copy->charset_ = font.Charset();
  return copy;
}

bool StdFont::SameAttributes(const host::Font& a, const host::Font& b) {
  return a.Name() == b.Name() && a.Size() == b.Size() &&
         core::IsTrue(a.Bold()) == core::IsTrue(b.Bold()) &&
         core::IsTrue(a.Italic()) == core::IsTrue(b.Italic()) &&
         core::IsTrue(a.Underline()) == core::IsTrue(b.Underline()) &&
         core::IsTrue(a.Strikethrough()) == core::IsTrue(b.Strikethrough()) &&
         a.Weight() == b.Weight() && a.Charset() == b.Charset();
}

void StdFont::SetName(const std::string& name) {
  if (name.empty()) throw Refused("name is empty");
  // Family names are UTF-8 text, as the font catalogue and the saved form hold them.
  if (!core::IsValidUtf8(name)) throw Refused("name is not UTF-8 text");
  name_ = name;
}

void StdFont::SetSize(int64_t size) {
  if (size <= 0 || size > kMaxSize) throw Refused("size out of range");
  size_ = size;
}

void StdFont::SetBold(core::Boolean bold) {
  bold_ = core::ToBoolean(core::IsTrue(bold));
  weight_ = core::IsTrue(bold) ? 700 : 400;
}

void StdFont::SetItalic(core::Boolean italic) {
  italic_ = core::ToBoolean(core::IsTrue(italic));
}

void StdFont::SetUnderline(core::Boolean underline) {
  underline_ = core::ToBoolean(core::IsTrue(underline));
}

void StdFont::SetStrikethrough(core::Boolean strikethrough) {
  strikethrough_ = core::ToBoolean(core::IsTrue(strikethrough));
}

void StdFont::SetWeight(int16_t weight) {
  if (weight < 0 || weight > 1000) throw Refused("weight out of range");
  weight_ = weight;
  bold_ = core::ToBoolean(weight >= 600);
}

void StdFont::SetCharset(int16_t charset) {
  if (charset < 0 || charset > 255) throw Refused("charset out of range");
  charset_ = charset;
}

}  // namespace led::platform
