#include "leddisplay/render/ColorConversion.h"

#include "leddisplay/core/RuntimeError.h"

namespace led::render {

namespace {

int16_t Channel(uint8_t component) {
  return static_cast<int16_t>(static_cast<uint16_t>(component << 8));
}

}  // namespace

core::OleColor ResolveSystemColor(host::Gdi& gdi, core::OleColor color) {
  if (!core::IsSystemColor(color)) return color;
  return gdi.GetSysColor(static_cast<int32_t>(core::SystemColorIndex(color)));
}

ColorComponents SplitColorComponents(core::OleColor color) {
  if (color > 0xFFFFFFu) throw core::RuntimeError(core::kInvalidCall);
  return {Channel(core::RedOf(color)), Channel(core::GreenOf(color)), Channel(core::BlueOf(color))};
}

}  // namespace led::render
