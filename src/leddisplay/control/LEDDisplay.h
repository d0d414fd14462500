#pragma once
/// @file
/// The seven-segment LED number display control. It holds its host by reference (the
/// host outlives it) and its own state record. Every setter passes errors to its
/// caller; the render pass and the resize handling it triggers report none.
///
/// Units: the 16-bit sizes are pixels or counts and are never validated; colours are
/// 32-bit OLE colours; Booleans are 16-bit and kept as given. A 32-bit enumeration
/// value outside -32768..32767 for a 16-bit host property raises 6 "Overflow"; a
/// refused value leaves the control's copy unchanged.
///
/// C++ arguments: a setter of a 16-bit number also takes any other integer type, and
/// a value outside -32768..32767 raises 6 "Overflow" before anything changes (as the
/// late-bound interface does) instead of wrapping. A Boolean setter also takes bool:
/// true is stored as -1, false as 0.
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/host/Font.h"
#include "leddisplay/host/Host.h"
#include "leddisplay/host/Picture.h"
#include "leddisplay/host/PropertyBag.h"
#include "leddisplay/model/ControlState.h"

namespace led::render {
class CellCache;
}  // namespace led::render

namespace led::control {

/// An integer argument other than the setter's own int16_t (and other than bool, which
/// is only a Boolean's).
template <class T>
concept WiderInteger = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, int16_t> &&
                       sizeof(T) <= sizeof(int64_t);
/// A Boolean setter's other arguments: bool, or an integer to be kept as given.
template <class T>
concept BooleanArgument = std::same_as<T, bool> || WiderInteger<T>;

/// The value as a 16-bit number; 6 "Overflow" outside -32768..32767.
template <WiderInteger T>
int16_t CheckedInteger16(T value) {
  if (!std::in_range<int16_t>(value)) throw core::RuntimeError(core::kOverflow);
  return static_cast<int16_t>(value);
}

template <BooleanArgument T>
core::Boolean CheckedBoolean(T value) {
  if constexpr (std::same_as<T, bool>)
    return core::ToBoolean(value);
  else
    return CheckedInteger16(value);
}

class LEDDisplay {
 public:
  explicit LEDDisplay(host::Host& host);
  ~LEDDisplay();
  LEDDisplay(const LEDDisplay&) = delete;
  LEDDisplay& operator=(const LEDDisplay&) = delete;

  /// The state record, for tests and tools.
  const model::ControlState& State() const { return state_; }

  // --- Properties --------------------------------------------------------------
  double Value() const { return state_.StoredValue; }
  void SetValue(double value);
  int32_t Appearance();  ///< the base object's, widened
  void SetAppearance(int32_t appearance);
  core::Boolean AutoSize() const { return state_.StoredAutoSize; }
  /// Turning it on also recomputes the height; that step's error reaches the caller.
  void SetAutoSize(core::Boolean autoSize);
  template <BooleanArgument T>
  void SetAutoSize(T autoSize) {
    SetAutoSize(CheckedBoolean(autoSize));
  }
  int32_t BackGroundStyle() const { return state_.StoredBackGroundStyle; }
  void SetBackGroundStyle(int32_t style);
  core::OleColor BackGroundG1() const { return state_.StoredBackGroundG1; }
  void SetBackGroundG1(core::OleColor color);
  core::OleColor BackGroundG2() const { return state_.StoredBackGroundG2; }
  void SetBackGroundG2(core::OleColor color);
  int32_t BorderStyle();  ///< the base object's, widened
  void SetBorderStyle(int32_t style);

  std::string CaptionLow();
  void SetCaptionLow(const std::string& caption);
  core::OleColor CaptionLowForeColor();
  void SetCaptionLowForeColor(core::OleColor color);
  int32_t CaptionLowPosition() const { return state_.StoredCaptionLowPosition; }
  void SetCaptionLowPosition(int32_t position);
  /// The held caption font itself; changing it changes the caption's font object.
  host::FontPtr CaptionLowFont() const { return lowerCaptionFont_; }
  /// Copies name, size, bold, italic, underline and strikethrough of `font` into the
  /// held caption font; no font gives 91 before anything changes.
  void SetCaptionLowFont(host::FontPtr font);
  std::string CaptionUpper();
  void SetCaptionUpper(const std::string& caption);
  core::OleColor CaptionUpperForeColor();
  void SetCaptionUpperForeColor(core::OleColor color);
  int32_t CaptionUpperPosition() const { return state_.StoredCaptionUpperPosition; }
  void SetCaptionUpperPosition(int32_t position);
  host::FontPtr CaptionUpperFont() const { return upperCaptionFont_; }
  void SetCaptionUpperFont(host::FontPtr font);

  int16_t Decimals() const { return state_.StoredDecimals; }
  void SetDecimals(int16_t decimals);
  template <WiderInteger T>
  void SetDecimals(T decimals) {
    SetDecimals(CheckedInteger16(decimals));
  }
  int16_t DecimalPointSize() const { return state_.StoredDecimalPointSize; }
  void SetDecimalPointSize(int16_t size);
  template <WiderInteger T>
  void SetDecimalPointSize(T size) {
    SetDecimalPointSize(CheckedInteger16(size));
  }
  int32_t hWnd();
  int32_t MousePointer();  ///< the base object's, widened
  void SetMousePointer(int32_t pointer);
  host::PicturePtr MouseIcon();
  void SetMouseIcon(host::PicturePtr icon);
  host::PicturePtr PictureBackGround();
  void SetPictureBackGround(host::PicturePtr picture);
  core::Boolean ShowAllDecimalPoints() const { return state_.StoredShowAllDecimalPoints; }
  void SetShowAllDecimalPoints(core::Boolean show);
  template <BooleanArgument T>
  void SetShowAllDecimalPoints(T show) {
    SetShowAllDecimalPoints(CheckedBoolean(show));
  }
  int16_t Digits() const { return state_.StoredDigits; }
  void SetDigits(int16_t digits);
  template <WiderInteger T>
  void SetDigits(T digits) {
    SetDigits(CheckedInteger16(digits));
  }
  int16_t DigitWidth() const { return state_.StoredDigitWidth; }
  void SetDigitWidth(int16_t width);
  template <WiderInteger T>
  void SetDigitWidth(T width) {
    SetDigitWidth(CheckedInteger16(width));
  }
  int16_t DigitHeight() const { return state_.StoredDigitHeight; }
  void SetDigitHeight(int16_t height);
  template <WiderInteger T>
  void SetDigitHeight(T height) {
    SetDigitHeight(CheckedInteger16(height));
  }
  int16_t DigitLeftMargin() const { return state_.StoredDigitLeftMargin; }
  void SetDigitLeftMargin(int16_t margin);
  template <WiderInteger T>
  void SetDigitLeftMargin(T margin) {
    SetDigitLeftMargin(CheckedInteger16(margin));
  }
  int16_t DigitUpperMargin() const { return state_.StoredDigitUpperMargin; }
  void SetDigitUpperMargin(int16_t margin);
  template <WiderInteger T>
  void SetDigitUpperMargin(T margin) {
    SetDigitUpperMargin(CheckedInteger16(margin));
  }
  int16_t DigitSpacing() const { return state_.StoredDigitSpacing; }
  void SetDigitSpacing(int16_t spacing);
  template <WiderInteger T>
  void SetDigitSpacing(T spacing) {
    SetDigitSpacing(CheckedInteger16(spacing));
  }
  int16_t SegmentWidth() const { return state_.StoredSegmentWidth; }
  void SetSegmentWidth(int16_t width);
  template <WiderInteger T>
  void SetSegmentWidth(T width) {
    SetSegmentWidth(CheckedInteger16(width));
  }
  int16_t SegmentSeperation() const { return state_.StoredSegmentSeperation; }
  void SetSegmentSeperation(int16_t seperation);
  template <WiderInteger T>
  void SetSegmentSeperation(T seperation) {
    SetSegmentSeperation(CheckedInteger16(seperation));
  }
  core::Boolean LeadingZeros() const { return state_.StoredLeadingZeros; }
  void SetLeadingZeros(core::Boolean on);
  template <BooleanArgument T>
  void SetLeadingZeros(T on) {
    SetLeadingZeros(CheckedBoolean(on));
  }
  core::Boolean LeadingPlusMinus() const { return state_.StoredLeadingPlusMinus; }
  void SetLeadingPlusMinus(core::Boolean on);
  template <BooleanArgument T>
  void SetLeadingPlusMinus(T on) {
    SetLeadingPlusMinus(CheckedBoolean(on));
  }
  core::Boolean Enabled();  ///< the base object's
  void SetEnabled(core::Boolean enabled);
  template <BooleanArgument T>
  void SetEnabled(T enabled) {
    SetEnabled(CheckedBoolean(enabled));
  }
  /// The control's own copy, not the base object's (which its appearance may change).
  core::OleColor BackColor() const { return state_.StoredBackColor; }
  void SetBackColor(core::OleColor color);
  core::OleColor OnColor() const { return state_.StoredOnColor; }
  void SetOnColor(core::OleColor color);
  core::OleColor OffColor() const { return state_.StoredOffColor; }
  void SetOffColor(core::OleColor color);
  core::Boolean Transparent() const { return state_.StoredTransparent; }
  void SetTransparent(core::Boolean on);
  template <BooleanArgument T>
  void SetTransparent(T on) {
    SetTransparent(CheckedBoolean(on));
  }
  core::Boolean UseOverRange() const { return state_.StoredUseOverRange; }
  void SetUseOverRange(core::Boolean on);
  template <BooleanArgument T>
  void SetUseOverRange(T on) {
    SetUseOverRange(CheckedBoolean(on));
  }

  /// Turns the surface's AutoRedraw on (its error reaches the caller), then renders.
  void Refresh();

  // --- The container's notifications ---------------------------------------------
  void Resize();
  void Show();
  void Paint();

  // --- Lifecycle (Persistence.cpp) -----------------------------------------------
  /// A newly placed control: every member and host property takes its first value.
  void InitProperties();
  /// A saved control: 42 reads, each applied at once; the first failing one ends the
  /// load with everything before it applied.
  void ReadProperties(host::PropertyBag& bag);
  /// The 37 saved keys with their defaults; changes nothing.
  void WriteProperties(host::PropertyBag& bag);
  /// Releases the background picture and the two caption fonts.
  void Terminate();

  // --- Input (InputEvents.cpp) ---------------------------------------------------
  /// Each raises its event at once; a value the host's handler changes is written
  /// back into the argument.
  void Click();
  void DblClick();
  void KeyDown(int16_t& keyCode, int16_t& shift);
  void KeyPress(int16_t& keyAscii);
  void KeyUp(int16_t& keyCode, int16_t& shift);
  void MouseDown(int16_t& button, int16_t& shift, float& x, float& y);
  void MouseMove(int16_t& button, int16_t& shift, float& x, float& y);
  void MouseUp(int16_t& button, int16_t& shift, float& x, float& y);

 private:
  void Notify(const char* name);
  void Render();
  void ResizeLayout();
  void RaiseKeyEvent(int index, int16_t& keyCode, int16_t& shift);
  void RaiseMouseEvent(int index, int16_t& button, int16_t& shift, float& x, float& y);

  host::Host& host_;
  model::ControlState state_;
  host::FontPtr lowerCaptionFont_;
  host::FontPtr upperCaptionFont_;
  /// The digit cells kept between render passes, so that a redraw of an unchanged value
  /// formats nothing.
  std::unique_ptr<render::CellCache> cells_;
};

}  // namespace led::control
