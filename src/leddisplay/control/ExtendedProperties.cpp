// The properties beyond the published interface: flashing cells, colours by value
// limits, slanted digits, text, segment styles and segments set by hand. Their values are checked
// before anything changes.
#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/control/SetterSteps.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "leddisplay/core/Text.h"

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
  const bool byHand = !state_.Extended.CellSegments.empty() && text != state_.Extended.Text;
  if (byHand) state_.Extended.CellSegments.clear();  // they last until the text changes
  Store(state_.Extended.Text, text, "Text", kRenderNotify);
  if (byHand) Apply("Segments", kNotify);
}

std::string LEDDisplay::Segments() const {
  std::string text;
  const std::vector<int32_t>& masks = state_.Extended.CellSegments;
  for (size_t i = 0; i < masks.size(); ++i) {
    if (i > 0) text.push_back(',');
    if (masks[i] >= 0) text += std::to_string(masks[i]);
  }
  return text;
}

void LEDDisplay::SetSegments(const std::string& text) {
  std::vector<int32_t> masks;
  size_t at = 0;
  while (at <= text.size()) {
    const size_t end = std::min(text.find(',', at), text.size());
    const std::string_view entry = core::TrimBlanks(std::string_view(text).substr(at, end - at));
    int32_t mask = -1;
    if (!entry.empty()) {
      const auto [next, error] = std::from_chars(entry.data(), entry.data() + entry.size(), mask);
      if (error != std::errc() || next != entry.data() + entry.size() || mask < 0 ||
          mask >= 2 * model::kPointSegment)
        Refuse();
    }
    masks.push_back(mask);
    at = end + 1;
  }
  while (!masks.empty() && masks.back() < 0) masks.pop_back();
  Store(state_.Extended.CellSegments, masks, "Segments", kRenderNotify);
}

void LEDDisplay::SetCellSegments(core::Int16Arg cell, core::Int32Arg mask) {
  const int16_t index = cell;
  const int32_t value = mask;
  if (index < 0 || value >= 2 * model::kPointSegment) Refuse();
  std::vector<int32_t> masks = state_.Extended.CellSegments;
  if (size_t(index) >= masks.size()) masks.resize(size_t(index) + 1, -1);
  masks[size_t(index)] = value < 0 ? -1 : value;
  while (!masks.empty() && masks.back() < 0) masks.pop_back();
  Store(state_.Extended.CellSegments, masks, "Segments", kRenderNotify);
}

model::ValueBand LEDDisplay::ValueBand() const {
  return model::BandOf(state_.StoredValue, state_.Extended);
}

}  // namespace led::control
