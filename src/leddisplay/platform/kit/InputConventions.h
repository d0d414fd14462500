#pragma once
/// @file
/// The control's input conventions, for a host of any toolkit that feeds it mouse and key
/// input (control::LEDDisplay's MouseDown, MouseMove, MouseUp, Click, DblClick, KeyDown,
/// KeyPress and KeyUp) and for handlers that read the events' arguments.
///
/// Mouse: `Button` is one button (a press or release) or the held buttons (a move), as
/// the sum of kButtonLeft, kButtonRight and kButtonMiddle; `Shift` is the sum of
/// kShiftShift, kShiftCtrl and kShiftAlt. `X` and `Y` are in the control's scale
/// (ScaleMode) with the inner area's corner at 0, 0, in the numbers a handler sees at
/// device ratio 1 and zoom 1 (ViewPoint.h). A left press then release over the control
/// raises MouseDown, MouseUp, then Click. A double click raises MouseDown, MouseUp,
/// Click, then DblClick for the first click and MouseUp for the second release: the
/// release that ends a double click raises no Click. A double click with another button
/// acts as a press.
///
/// Keys: KeyDown and KeyUp carry `KeyCode`, the classic virtual-key code (kKey... below;
/// letters and digits are their upper-case character), and `Shift`; KeyPress carries
/// `KeyAscii`, the character typed as a 16-bit code unit, after KeyDown, for a key that
/// types one. A handler that sets KeyCode or KeyAscii to 0 swallows the key: the host
/// passes it no further (and raises no KeyPress after a swallowed KeyDown).
#include <cstdint>
#include <string_view>

namespace led::platform::kit {

/// Mouse buttons.
///@{
inline constexpr int16_t kButtonLeft = 1;
inline constexpr int16_t kButtonRight = 2;
inline constexpr int16_t kButtonMiddle = 4;
///@}

/// Modifier keys.
///@{
inline constexpr int16_t kShiftShift = 1;
inline constexpr int16_t kShiftCtrl = 2;
inline constexpr int16_t kShiftAlt = 4;
///@}

/// A toolkit's button number in the X11 order that GDK and SDL keep (1 left, 2 middle,
/// 3 right) as the control's button; 0 for any other.
constexpr int16_t ButtonOfNumber(int number) {
  return number == 1 ? kButtonLeft : number == 2 ? kButtonMiddle : number == 3 ? kButtonRight : 0;
}
/// The modifiers held as the control's Shift.
constexpr int16_t ShiftOf(bool shift, bool ctrl, bool alt) {
  return int16_t((shift ? kShiftShift : 0) | (ctrl ? kShiftCtrl : 0) | (alt ? kShiftAlt : 0));
}

/// Key codes of keys that type no letter or digit.
///@{
inline constexpr int16_t kKeyBackspace = 8;
inline constexpr int16_t kKeyTab = 9;
inline constexpr int16_t kKeyEnter = 13;
inline constexpr int16_t kKeyShift = 16;
inline constexpr int16_t kKeyCtrl = 17;
inline constexpr int16_t kKeyAlt = 18;
inline constexpr int16_t kKeyPause = 19;
inline constexpr int16_t kKeyEscape = 27;
inline constexpr int16_t kKeySpace = 32;
inline constexpr int16_t kKeyPageUp = 33;
inline constexpr int16_t kKeyPageDown = 34;
inline constexpr int16_t kKeyEnd = 35;
inline constexpr int16_t kKeyHome = 36;
inline constexpr int16_t kKeyLeft = 37;
inline constexpr int16_t kKeyUp = 38;
inline constexpr int16_t kKeyRight = 39;
inline constexpr int16_t kKeyDown = 40;
inline constexpr int16_t kKeyInsert = 45;
inline constexpr int16_t kKeyDelete = 46;
inline constexpr int16_t kKeyF1 = 112;  ///< F1..F24 are 112..135
///@}

/// The key code of a key by a common name, letter case ignored: "A".."Z" and "0".."9"
/// (their upper-case character), "F1".."F24", and "Backspace", "Tab", "Enter" (or
/// "Return"), "Shift", "Ctrl" (or "Control"), "Alt", "Pause", "Escape" (or "Esc"),
/// "Space", "PageUp", "PageDown", "End", "Home", "Left", "Up", "Right", "Down",
/// "Insert", "Delete". Underscores and a side's suffix "_L" or "_R" do not count, so GDK's
/// names serve as they are ("Page_Up", "Shift_L", "Control_R", "BackSpace"). 0 for a name
/// it does not know.
int16_t KeyCodeOfName(std::string_view name);

}  // namespace led::platform::kit
