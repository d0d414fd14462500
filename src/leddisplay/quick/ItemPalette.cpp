#include "leddisplay/quick/ItemPalette.h"

#include <QColor>
#include <QGuiApplication>
#include <QVariant>
#include <utility>

namespace led::quick {

namespace {

constexpr std::pair<QPalette::ColorGroup, const char*> kGroups[] = {
    {QPalette::Active, "active"},
    {QPalette::Inactive, "inactive"},
    {QPalette::Disabled, "disabled"},
};

constexpr std::pair<QPalette::ColorRole, const char*> kRoles[] = {
    {QPalette::Window, "window"},
    {QPalette::WindowText, "windowText"},
    {QPalette::Base, "base"},
    {QPalette::AlternateBase, "alternateBase"},
    {QPalette::Text, "text"},
    {QPalette::BrightText, "brightText"},
    {QPalette::Button, "button"},
    {QPalette::ButtonText, "buttonText"},
    {QPalette::Light, "light"},
    {QPalette::Midlight, "midlight"},
    {QPalette::Mid, "mid"},
    {QPalette::Dark, "dark"},
    {QPalette::Shadow, "shadow"},
    {QPalette::Highlight, "highlight"},
    {QPalette::HighlightedText, "highlightedText"},
    {QPalette::Link, "link"},
    {QPalette::LinkVisited, "linkVisited"},
    {QPalette::ToolTipBase, "toolTipBase"},
    {QPalette::ToolTipText, "toolTipText"},
    {QPalette::PlaceholderText, "placeholderText"},
};

}  // namespace

QPalette ItemPalette(const QQuickItem& item) {
  QPalette palette = QGuiApplication::palette();
  const auto* groups = qvariant_cast<QObject*>(item.property("palette"));
  if (!groups) return palette;
  for (const auto& [group, groupName] : kGroups) {
    const auto* colors = qvariant_cast<QObject*>(groups->property(groupName));
    if (!colors) continue;
    for (const auto& [role, roleName] : kRoles) {
      const QVariant color = colors->property(roleName);
      if (color.canConvert<QColor>()) palette.setColor(group, role, color.value<QColor>());
    }
  }
  return palette;
}

}  // namespace led::quick
