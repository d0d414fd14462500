// The properties beyond the published interface: flashing cells, colours by value
// limits, slanted digits and text. Their values are checked before anything changes.
#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/control/SetterSteps.h"

namespace led::control {

namespace {

using namespace steps;

[[noreturn]] void Refuse() {
  throw core::RuntimeError(core::kInvalidPropertyValue);
}

}  // namespace

void LEDDisplay::SetFlashCells(core::Int32Arg mask) {
  Store(state_.Extended.FlashCells, mask, "FlashCells", kNotifyRender);
}

void LEDDisplay::SetFlashInterval(core::Int32Arg milliseconds) {
  const int32_t ms = milliseconds;
  if (!model::IsFlashInterval(ms)) Refuse();
  Store(state_.Extended.FlashInterval, ms, "FlashInterval", kNotify);
}

void LEDDisplay::SetFlashPhase(core::BooleanArg shown) {
  Store(state_.Extended.FlashPhase, shown, "FlashPhase", kRenderNotify);
}

void LEDDisplay::SetUseLimits(core::BooleanArg on) {
  Store(state_.Extended.UseLimits, on, "UseLimits", kRenderNotify);
}

void LEDDisplay::SetLowLimit(double limit) {
  if (!model::AreLimits(limit, state_.Extended.HighLimit)) Refuse();
  Store(state_.Extended.LowLimit, limit, "LowLimit", kRenderNotify);
}

void LEDDisplay::SetHighLimit(double limit) {
  if (!model::AreLimits(state_.Extended.LowLimit, limit)) Refuse();
  Store(state_.Extended.HighLimit, limit, "HighLimit", kRenderNotify);
}

void LEDDisplay::SetLowColor(core::ColorArg color) {
  Store(state_.Extended.LowColor, color, "LowColor", kRenderNotify);
}

void LEDDisplay::SetHighColor(core::ColorArg color) {
  Store(state_.Extended.HighColor, color, "HighColor", kRenderNotify);
}

void LEDDisplay::SetSlant(double degrees) {
  if (!model::IsSlant(degrees)) Refuse();
  Store(state_.Extended.Slant, degrees, "Slant", kRenderNotify);
}

void LEDDisplay::SetSegmentStyle(core::Int16Arg style) {
  const int16_t value = style;
  if (!model::IsSegmentStyle(value)) Refuse();
  Store(state_.Extended.SegmentStyle, value, "SegmentStyle", kRenderNotify);
}

void LEDDisplay::SetText(const std::string& text) {
  Store(state_.Extended.Text, text, "Text", kRenderNotify);
}

model::ValueBand LEDDisplay::ValueBand() const {
  return model::BandOf(state_.StoredValue, state_.Extended);
}

}  // namespace led::control
