#include "leddisplay/control/Dispatch.h"

#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"

namespace led::control {

namespace {

[[noreturn]] void NotSupported() {
  throw core::RuntimeError(core::kNotSupported);
}

void ExpectArguments(std::span<const core::Variant> args, size_t count) {
  if (args.size() != count) throw core::RuntimeError(core::kWrongArgumentCount);
}

}  // namespace

int32_t GetIDOfName(std::string_view name) {
  for (const auto table : {PropertyTable(), ExtensionPropertyTable()})
    for (const PropertyDescription& p : table)
      if (core::EqualsIgnoringCase(p.name, name)) return p.dispid;
  for (const MethodDescription& m : MethodTable())
    if (core::EqualsIgnoringCase(m.name, name)) return m.dispid;
  NotSupported();
}

core::Variant Invoke(LEDDisplay& control, int32_t dispid, InvokeKind kind,
                     std::span<const core::Variant> args) {
  for (const MethodDescription& m : MethodTable()) {
    if (m.dispid != dispid) continue;
    if (kind != InvokeKind::Method) NotSupported();
    ExpectArguments(args, 0);
    m.call(control);
    return {};
  }
  if (const PropertyDescription* found = FindProperty(dispid)) {
    const PropertyDescription& p = *found;
    switch (kind) {
      case InvokeKind::PropertyGet:
        ExpectArguments(args, 0);
        return p.get(control);
      case InvokeKind::PropertyPut:
      case InvokeKind::PropertyPutRef: {
        const bool byReference = kind == InvokeKind::PropertyPutRef;
        if (!p.set || byReference != IsObjectType(p.type)) NotSupported();
        ExpectArguments(args, 1);
        p.set(control, args[0]);
        return {};
      }
      case InvokeKind::Method:
        break;
    }
    NotSupported();
  }
  NotSupported();
}

}  // namespace led::control
