#include "leddisplay/qt/PaletteColors.h"

#include <utility>

#include "leddisplay/platform/kit/Palette.h"

namespace led::qt {
namespace {

using Role = platform::kit::PaletteRole;

constexpr std::pair<Role, QPalette::ColorRole> kActiveRoles[] = {
    {Role::Window, QPalette::Window},
    {Role::WindowText, QPalette::WindowText},
    {Role::Base, QPalette::Base},
    {Role::Text, QPalette::Text},
    {Role::Button, QPalette::Button},
    {Role::ButtonText, QPalette::ButtonText},
    {Role::Highlight, QPalette::Highlight},
    {Role::HighlightText, QPalette::HighlightedText},
    {Role::Light, QPalette::Light},
    {Role::Midlight, QPalette::Midlight},
    {Role::Dark, QPalette::Dark},
    {Role::Shadow, QPalette::Shadow},
    {Role::ToolTipBase, QPalette::ToolTipBase},
    {Role::ToolTipText, QPalette::ToolTipText},
    {Role::Link, QPalette::Link},
};

core::OleColor RgbOf(const QColor& color) {
  const QColor c = color.toRgb();
  return core::Rgb(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
}

}  // namespace

platform::SystemColorSet SystemColorsOf(const QPalette& palette) {
  platform::kit::Palette roles;
  for (const auto& [role, qtRole] : kActiveRoles)
    roles.Set(role, RgbOf(palette.color(QPalette::Active, qtRole)));
  roles.Set(Role::DisabledText, RgbOf(palette.color(QPalette::Disabled, QPalette::Text)));
  return platform::kit::SystemColorsOf(roles, platform::CurrentSystemColors());
}

}  // namespace led::qt
