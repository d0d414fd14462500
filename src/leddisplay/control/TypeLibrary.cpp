#include "leddisplay/control/TypeLibrary.h"

#include <cstdio>

namespace led::control {

namespace {

constexpr std::string_view kPropertyPages[] = {
    "StandardColor", "StandardFont", "StandardPicture", "Digits", "Segments", "About", "General",
};

std::string Hex(int32_t id) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(id));
  return buffer;
}

std::string PropertyLine(const PropertyDescription& p) {
  std::string line = "  [id(" + Hex(p.dispid) + ")] property " + std::string(p.name) + " As " +
                     std::string(p.typeName);
  if (!p.set) return line + " (read-only)";
  const char* put = IsObjectType(p.type) ? "putref" : "put";
  return line + " (" + put + (p.setterByRef ? " ByRef" : " ByVal") + ")";
}

std::string EventLine(const model::EventDescription& e) {
  std::string line = "  [id(" + std::to_string(e.dispid) + ")] event " + std::string(e.name) + "(";
  for (size_t i = 0; i < e.parameters.size(); ++i) {
    const model::EventParameter& parameter = e.parameters[i];
    if (i > 0) line += ", ";
    line += "ByRef " + std::string(parameter.name) + " As " +
            (parameter.type == model::EventParameterType::Integer ? "Integer" : "Single");
  }
  return line + ")";
}

}  // namespace

TypeLibraryDescription TypeLibrary() {
  return {kClassName,
          kInterfaceName,
          PropertyTable(),
          MethodTable(),
          kExtensionInterfaceName,
          ExtensionPropertyTable(),
          model::kEventInterfaceName,
          model::EventSet(),
          model::PublishedEnums(),
          kPropertyPages};
}

std::string TypeLibraryListing() {
  const TypeLibraryDescription library = TypeLibrary();
  std::string out = "class " + std::string(library.className) + "\n";
  out += "interface " + std::string(library.interfaceName) + "\n";
  for (const PropertyDescription& p : library.properties) out += PropertyLine(p) + "\n";
  for (const MethodDescription& m : library.methods)
    out += "  [id(" + Hex(m.dispid) + ")] method " + std::string(m.name) + "()\n";
  out += "interface " + std::string(library.extensionInterfaceName) + "\n";
  for (const PropertyDescription& p : library.extensionProperties) out += PropertyLine(p) + "\n";
  out += "event interface " + std::string(library.eventInterfaceName) + "\n";
  for (const model::EventDescription& e : library.events) out += EventLine(e) + "\n";
  for (const model::EnumDescription& e : library.enums) {
    out += "enum " + std::string(e.name) + "\n";
    for (const model::EnumMember& m : e.members)
      out += "  " + std::string(m.name) + " = " + std::to_string(m.value) + "\n";
  }
  out += "property pages\n";
  for (size_t i = 0; i < library.propertyPages.size(); ++i)
    out += "  " + std::to_string(i + 1) + ". " + std::string(library.propertyPages[i]) + "\n";
  return out;
}

}  // namespace led::control
