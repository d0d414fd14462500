#include "leddisplay/platform/io/MemoryPropertyBag.h"

#include <algorithm>
#include <cmath>

#include "leddisplay/core/Text.h"
#include "leddisplay/host/Font.h"
#include "leddisplay/platform/raster/StdFont.h"

namespace led::platform {

namespace {

bool IsNumber(const core::Variant& v) {
  switch (v.type()) {
    case core::VariantType::Integer:
    case core::VariantType::Long:
    case core::VariantType::Single:
    case core::VariantType::Double:
      return true;
    default:
      return false;
  }
}

std::shared_ptr<host::Font> FontOf(const core::Variant& v) {
  if (v.type() != core::VariantType::Object) return nullptr;
  return std::dynamic_pointer_cast<host::Font>(v.ToObject());
}

// Fonts are mutable and shared, so the bag keeps and hands out copies of them.
core::Variant Detached(const core::Variant& v) {
  if (const auto font = FontOf(v)) return core::Variant::FromObject(StdFont::CopyOf(*font));
  return v;
}

}  // namespace

bool MemoryPropertyBag::SameValue(const core::Variant& a, const core::Variant& b) {
  const auto fontA = FontOf(a), fontB = FontOf(b);
  if (fontA && fontB) return StdFont::SameAttributes(*fontA, *fontB);
  if (a == b) return true;
  // A number equals a default of another numeric type when reading the default back
  // gives the same number: 0.0 against the 16-bit 0 does, -0.0 does not.
  if (IsNumber(a) && IsNumber(b)) {
    const double x = a.ToDouble(), y = b.ToDouble();
    return x == y && std::signbit(x) == std::signbit(y);
  }
  return false;
}

std::vector<MemoryPropertyBag::Entry>::iterator MemoryPropertyBag::Find(const std::string& key) {
  return std::find_if(entries_.begin(), entries_.end(),
                      [&](const Entry& e) { return core::EqualsIgnoringCase(e.key, key); });
}

std::vector<MemoryPropertyBag::Entry>::const_iterator MemoryPropertyBag::Find(
    const std::string& key) const {
  return std::find_if(entries_.begin(), entries_.end(),
                      [&](const Entry& e) { return core::EqualsIgnoringCase(e.key, key); });
}

core::Variant MemoryPropertyBag::ReadProperty(const std::string& key,
                                              const core::Variant& defaultValue) {
  const auto it = Find(key);
  if (it == entries_.end()) return defaultValue;
  return Detached(it->value);
}

void MemoryPropertyBag::WriteProperty(const std::string& key, const core::Variant& value,
                                      const core::Variant& defaultValue) {
  if (SameValue(value, defaultValue)) {
    // Left out; an older entry must go too, or a read would return the stale value.
    const auto it = Find(key);
    if (it != entries_.end()) entries_.erase(it);
    return;
  }
  Store(key, value);
}

void MemoryPropertyBag::Store(const std::string& key, const core::Variant& value) {
  const auto it = Find(key);
  if (it != entries_.end()) {
    it->value = Detached(value);
  } else {
    entries_.push_back({key, Detached(value)});
  }
}

bool MemoryPropertyBag::Contains(const std::string& key) const {
  return Find(key) != entries_.end();
}

}  // namespace led::platform
