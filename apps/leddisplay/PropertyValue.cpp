#include "apps/leddisplay/PropertyValue.h"

#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/core/Text.h"
#include "leddisplay/model/ControlState.h"

namespace led::apps {

namespace {

// The published enumeration that is the property's type, or null.
const model::EnumDescription* EnumerationOf(std::string_view property) {
  for (const control::PropertyDescription& p : control::PropertyTable()) {
    if (!core::EqualsIgnoringCase(p.name, property)) continue;
    for (const model::EnumDescription& e : model::PublishedEnums())
      if (e.name == p.typeName) return &e;
    return nullptr;
  }
  return nullptr;
}

const model::EnumMember* MemberNamed(const model::EnumDescription& enumeration,
                                     std::string_view name) {
  for (const model::EnumMember& m : enumeration.members)
    if (core::EqualsIgnoringCase(m.name, name)) return &m;
  return nullptr;
}

ValueSpec MemberValue(const model::EnumMember& member) {
  ValueSpec parsed;
  parsed.immediate = core::Variant::FromLong(member.value);
  return parsed;
}

std::string MemberNames(const model::EnumDescription& enumeration) {
  std::string names;
  for (const model::EnumMember& m : enumeration.members)
    names += (names.empty() ? "" : ", ") + std::string(m.name);
  return names;
}

}  // namespace

ValueSpec ParsePropertyValue(std::string_view property, std::string_view text) {
  const model::EnumDescription* enumeration = EnumerationOf(property);
  if (!enumeration) return ParseValue(text);
  if (const auto* member = MemberNamed(*enumeration, text)) return MemberValue(*member);
  ValueSpec parsed;
  try {
    parsed = ParseValue(text);
  } catch (const ParseError& e) {
    throw ParseError(std::string(e.what()) + " (" + std::string(property) +
                     " takes a number or one of " + MemberNames(*enumeration) + ")");
  }
  if (parsed.kind == ValueSpec::Kind::Immediate &&
      parsed.immediate.type() == core::VariantType::String) {
    if (const auto* member = MemberNamed(*enumeration, parsed.immediate.ToString()))
      return MemberValue(*member);
  }
  return parsed;
}

}  // namespace led::apps
