#pragma once
/// @file
/// The system colour table: the classic default colours for the standard indices 0
/// (scroll bar) to 30 (menu bar), as RGB values (red in bits 0-7). Process wide and safe
/// to read from any thread; tests may replace entries and reset them. A host whose
/// toolkit has colours of its own gives a surface a SystemColorSet instead.
#include <array>
#include <cstdint>

#include "leddisplay/core/OleColor.h"

namespace led::platform {

/// The number of entries: indices 0 to 30.
inline constexpr int32_t kSystemColorCount = 31;

/// A system colour table of one's own: the RGB value of each index 0..30.
using SystemColorSet = std::array<core::OleColor, kSystemColorCount>;

/// The standard indices, every one of 0..30 by name.
enum SystemColorIndex : int32_t {
  kColorScrollBar = 0,
  kColorDesktop = 1,
  kColorActiveCaption = 2,
  kColorInactiveCaption = 3,
  kColorMenu = 4,
  kColorWindow = 5,
  kColorWindowFrame = 6,
  kColorMenuText = 7,
  kColorWindowText = 8,
  kColorCaptionText = 9,
  kColorActiveBorder = 10,
  kColorInactiveBorder = 11,
  kColorAppWorkspace = 12,
  kColorHighlight = 13,
  kColorHighlightText = 14,
  kColorButtonFace = 15,
  kColorButtonShadow = 16,
  kColorGrayText = 17,
  kColorButtonText = 18,
  kColorInactiveCaptionText = 19,
  kColorButtonHighlight = 20,
  kColor3DDarkShadow = 21,
  kColor3DLight = 22,
  kColorInfoText = 23,
  kColorInfoBackground = 24,
  kColorUnassigned = 25,
  kColorHotLight = 26,
  kColorGradientActiveCaption = 27,
  kColorGradientInactiveCaption = 28,
  kColorMenuHighlight = 29,
  kColorMenuBar = 30,
};

/// The current RGB value of a system colour; 0 for an index outside 0..30.
core::OleColor SystemColor(int32_t index);
/// Replaces one entry. An index outside 0..30 or a colour above 0xFFFFFF gives
/// core::RuntimeError 5 and changes nothing.
void SetSystemColor(int32_t index, core::OleColor rgb);
/// Restores every entry to its classic default.
void ResetSystemColors();
/// Every entry's current value.
SystemColorSet CurrentSystemColors();

/// A colour as drawn: a system colour (bit 31 set) is looked up, otherwise the low
/// 24 bits are the RGB value.
core::OleColor ResolveColor(core::OleColor color);
/// A colour as drawn with `table` as the system colours: as above, with an index
/// outside 0..30 giving 0.
core::OleColor ResolveColor(core::OleColor color, const SystemColorSet& table);

}  // namespace led::platform
