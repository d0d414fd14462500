#include "leddisplay/qt/PaletteColors.h"

#include <array>

namespace led::qt {
namespace {

struct Source {
  QPalette::ColorGroup group = QPalette::Active;
  QPalette::ColorRole role = QPalette::NoRole;  // none: the process-wide entry
};

constexpr Source Active(QPalette::ColorRole role) {
  return {QPalette::Active, role};
}

// The 3D edge reads as a sunken QFrame panel does: Dark and Light outside, Shadow and
// Midlight inside. Window is Qt's dialog background (the classic button face), Base its
// text field background (the classic window colour).
constexpr std::array<Source, platform::kSystemColorCount> kRoles = {
    Active(QPalette::Button),                    // 0 scroll bar
    Source{},                                    // 1 desktop background
    Active(QPalette::Highlight),                 // 2 active caption
    Active(QPalette::Dark),                      // 3 inactive caption
    Active(QPalette::Window),                    // 4 menu
    Active(QPalette::Base),                      // 5 window
    Active(QPalette::WindowText),                // 6 window frame (a plain QFrame's line)
    Active(QPalette::WindowText),                // 7 menu text
    Active(QPalette::Text),                      // 8 window text
    Active(QPalette::HighlightedText),           // 9 caption text
    Active(QPalette::Window),                    // 10 active border
    Active(QPalette::Window),                    // 11 inactive border
    Active(QPalette::Dark),                      // 12 application workspace (as QMdiArea's)
    Active(QPalette::Highlight),                 // 13 highlight
    Active(QPalette::HighlightedText),           // 14 highlight text
    Active(QPalette::Button),                    // 15 button face
    Active(QPalette::Dark),                      // 16 button shadow
    Source{QPalette::Disabled, QPalette::Text},  // 17 grey text
    Active(QPalette::ButtonText),                // 18 button text
    Active(QPalette::Midlight),                  // 19 inactive caption text
    Active(QPalette::Light),                     // 20 button highlight
    Active(QPalette::Shadow),                    // 21 3D dark shadow
    Active(QPalette::Midlight),                  // 22 3D light
    Active(QPalette::ToolTipText),               // 23 tooltip text
    Active(QPalette::ToolTipBase),               // 24 tooltip background
    Source{},                                    // 25 unassigned
    Active(QPalette::Link),                      // 26 hot-tracked item
    Source{},                                    // 27 active caption gradient
    Source{},                                    // 28 inactive caption gradient
    Active(QPalette::Highlight),                 // 29 menu highlight
    Active(QPalette::Window),                    // 30 menu bar
};

}  // namespace

platform::SystemColorSet SystemColorsOf(const QPalette& palette) {
  platform::SystemColorSet colors = platform::CurrentSystemColors();
  for (size_t i = 0; i < kRoles.size(); ++i) {
    if (kRoles[i].role == QPalette::NoRole) continue;
    const QColor c = palette.color(kRoles[i].group, kRoles[i].role).toRgb();
    colors[i] = core::Rgb(uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()));
  }
  return colors;
}

}  // namespace led::qt
