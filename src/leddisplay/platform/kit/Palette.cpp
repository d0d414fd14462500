#include "leddisplay/platform/kit/Palette.h"

#include "leddisplay/core/RuntimeError.h"

namespace led::platform::kit {
namespace {

using R = PaletteRole;
constexpr std::optional<PaletteRole> kNone;

constexpr std::array<std::optional<PaletteRole>, kSystemColorCount> Roles() {
  std::array<std::optional<PaletteRole>, kSystemColorCount> r{};
  r[kColorScrollBar] = R::Button;
  r[kColorDesktop] = kNone;
  r[kColorActiveCaption] = R::Highlight;
  r[kColorInactiveCaption] = R::Dark;
  r[kColorMenu] = R::Window;
  r[kColorWindow] = R::Base;
  r[kColorWindowFrame] = R::WindowText;
  r[kColorMenuText] = R::WindowText;
  r[kColorWindowText] = R::Text;
  r[kColorCaptionText] = R::HighlightText;
  r[kColorActiveBorder] = R::Window;
  r[kColorInactiveBorder] = R::Window;
  r[kColorAppWorkspace] = R::Dark;
  r[kColorHighlight] = R::Highlight;
  r[kColorHighlightText] = R::HighlightText;
  r[kColorButtonFace] = R::Button;
  r[kColorButtonShadow] = R::Dark;
  r[kColorGrayText] = R::DisabledText;
  r[kColorButtonText] = R::ButtonText;
  r[kColorInactiveCaptionText] = R::Midlight;
  r[kColorButtonHighlight] = R::Light;
  r[kColor3DDarkShadow] = R::Shadow;
  r[kColor3DLight] = R::Midlight;
  r[kColorInfoText] = R::ToolTipText;
  r[kColorInfoBackground] = R::ToolTipBase;
  r[kColorUnassigned] = kNone;
  r[kColorHotLight] = R::Link;
  r[kColorGradientActiveCaption] = kNone;
  r[kColorGradientInactiveCaption] = kNone;
  r[kColorMenuHighlight] = R::Highlight;
  r[kColorMenuBar] = R::Window;
  return r;
}

bool Listed(PaletteRole role) {
  return int32_t(role) >= 0 && int32_t(role) < kPaletteRoleCount;
}

}  // namespace

void Palette::Set(PaletteRole role, core::OleColor rgb) {
  if (!Listed(role) || rgb > 0xFFFFFFu) throw core::RuntimeError(core::kInvalidPropertyValue);
  colors_[size_t(role)] = rgb;
}

std::optional<core::OleColor> Palette::Get(PaletteRole role) const {
  return Listed(role) ? colors_[size_t(role)] : std::nullopt;
}

std::optional<PaletteRole> RoleOfSystemColor(int32_t index) {
  static constexpr auto kTable = Roles();
  if (index < 0 || index >= kSystemColorCount) return std::nullopt;
  return kTable[size_t(index)];
}

SystemColorSet SystemColorsOf(const Palette& palette, const SystemColorSet& base) {
  SystemColorSet colors = base;
  for (int32_t i = 0; i < kSystemColorCount; ++i)
    if (const auto role = RoleOfSystemColor(i))
      if (const auto rgb = palette.Get(*role)) colors[size_t(i)] = *rgb;
  return colors;
}

}  // namespace led::platform::kit
