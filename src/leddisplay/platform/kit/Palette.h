#pragma once
/// @file
/// A toolkit's palette as the control's system colours, for a host of any toolkit: a
/// palette names colours by role (Qt's QPalette roles, a GTK theme's colours), the
/// control by the classic system-colour indices 0..30 (raster/SystemColors.h names
/// them). Each index reads one role:
///
/// | index | role | index | role |
/// |---|---|---|---|
/// | 0 scroll bar | Button | 16 button shadow | Dark |
/// | 1 desktop | none | 17 grey text | DisabledText |
/// | 2 active caption | Highlight | 18 button text | ButtonText |
/// | 3 inactive caption | Dark | 19 inactive caption text | Midlight |
/// | 4 menu | Window | 20 button highlight | Light |
/// | 5 window | Base | 21 3D dark shadow | Shadow |
/// | 6 window frame | WindowText | 22 3D light | Midlight |
/// | 7 menu text | WindowText | 23 tooltip text | ToolTipText |
/// | 8 window text | Text | 24 tooltip background | ToolTipBase |
/// | 9 caption text | HighlightText | 25 unassigned | none |
/// | 10 active border | Window | 26 hot-tracked item | Link |
/// | 11 inactive border | Window | 27, 28 caption gradients | none |
/// | 12 application workspace | Dark | 29 menu highlight | Highlight |
/// | 13 highlight | Highlight | 30 menu bar | Window |
/// | 14 highlight text | HighlightText | | |
/// | 15 button face | Button | | |
///
/// Window is a dialog's background (the classic button face's place in a toolkit), Base
/// a text field's. The 3D edge reads as a sunken frame panel does: Dark and Light
/// outside, Shadow and Midlight inside; a toolkit's mid colour (between button and dark)
/// has no index of its own. An index with no role, or whose role the palette lacks,
/// keeps the entry it had.
#include <array>
#include <cstdint>
#include <optional>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/platform/raster/SystemColors.h"

namespace led::platform::kit {

/// The roles of a palette.
enum class PaletteRole : int32_t {
  Window,
  WindowText,
  Base,
  Text,
  Button,
  ButtonText,
  Highlight,
  HighlightText,
  Light,
  Midlight,
  Dark,
  Shadow,
  DisabledText,  ///< text of a disabled control
  ToolTipBase,
  ToolTipText,
  Link,
};
/// The number of roles.
inline constexpr int32_t kPaletteRoleCount = 16;

/// The colours of the roles a palette has, as RGB values (red in bits 0-7).
class Palette {
 public:
  /// A colour above 0xFFFFFF (not an RGB value) or a role outside the list raises 380
  /// and changes nothing.
  void Set(PaletteRole role, core::OleColor rgb);
  /// The role's colour; none when not set or outside the list.
  std::optional<core::OleColor> Get(PaletteRole role) const;

 private:
  std::array<std::optional<core::OleColor>, kPaletteRoleCount> colors_;
};

/// The role system colour `index` reads; none for 1, 25, 27, 28 and outside 0..30.
std::optional<PaletteRole> RoleOfSystemColor(int32_t index);

/// `base` with every index whose role `palette` has replaced by the role's colour: give
/// it to a surface (RasterSurface::SetSystemColors) so that its border, its captions and
/// a system colour the control is given follow the toolkit's palette.
SystemColorSet SystemColorsOf(const Palette& palette, const SystemColorSet& base);

}  // namespace led::platform::kit
