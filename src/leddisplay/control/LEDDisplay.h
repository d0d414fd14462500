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
/// C++ arguments (core/SetterArguments.h): each setter takes any integer type and
/// raises 6 "Overflow" before anything changes for a value outside its property's range
/// (as the late-bound interface does) instead of wrapping; a Boolean setter also takes
/// bool, true stored as -1 and false as 0.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/SetterArguments.h"
#include "leddisplay/core/TwipsExtent.h"
#include "leddisplay/host/Font.h"
#include "leddisplay/host/Host.h"
#include "leddisplay/host/Picture.h"
#include "leddisplay/host/PropertyBag.h"
#include "leddisplay/model/ControlState.h"

namespace led::render {
class CellCache;
struct Display;
}  // namespace led::render

namespace led::control {

enum class SetterStep : uint8_t;

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
  void SetAppearance(core::Int32Arg appearance);
  core::Boolean AutoSize() const { return state_.StoredAutoSize; }
  /// Turning it on also recomputes the height; that step's error reaches the caller.
  void SetAutoSize(core::BooleanArg autoSize);
  int32_t BackGroundStyle() const { return state_.StoredBackGroundStyle; }
  void SetBackGroundStyle(core::Int32Arg style);
  core::OleColor BackGroundG1() const { return state_.StoredBackGroundG1; }
  void SetBackGroundG1(core::ColorArg color);
  core::OleColor BackGroundG2() const { return state_.StoredBackGroundG2; }
  void SetBackGroundG2(core::ColorArg color);
  int32_t BorderStyle();  ///< the base object's, widened
  void SetBorderStyle(core::Int32Arg style);

  std::string CaptionLow();
  void SetCaptionLow(const std::string& caption);
  core::OleColor CaptionLowForeColor();
  void SetCaptionLowForeColor(core::ColorArg color);
  int32_t CaptionLowPosition() const { return state_.StoredCaptionLowPosition; }
  void SetCaptionLowPosition(core::Int32Arg position);
  /// The held caption font itself; changing it changes the caption's font object.
  host::FontPtr CaptionLowFont() const { return lowerCaptionFont_; }
  /// Copies name, size, bold, italic, underline and strikethrough of `font` into the
  /// held caption font; no font gives 91 before anything changes.
  void SetCaptionLowFont(host::FontPtr font);
  std::string CaptionUpper();
  void SetCaptionUpper(const std::string& caption);
  core::OleColor CaptionUpperForeColor();
  void SetCaptionUpperForeColor(core::ColorArg color);
  int32_t CaptionUpperPosition() const { return state_.StoredCaptionUpperPosition; }
  void SetCaptionUpperPosition(core::Int32Arg position);
  host::FontPtr CaptionUpperFont() const { return upperCaptionFont_; }
  void SetCaptionUpperFont(host::FontPtr font);

  int16_t Decimals() const { return state_.StoredDecimals; }
  void SetDecimals(core::Int16Arg decimals);
  int16_t DecimalPointSize() const { return state_.StoredDecimalPointSize; }
  void SetDecimalPointSize(core::Int16Arg size);
  int32_t hWnd();
  int32_t MousePointer();  ///< the base object's, widened
  void SetMousePointer(core::Int32Arg pointer);
  host::PicturePtr MouseIcon();
  void SetMouseIcon(host::PicturePtr icon);
  host::PicturePtr PictureBackGround();
  void SetPictureBackGround(host::PicturePtr picture);
  core::Boolean ShowAllDecimalPoints() const { return state_.StoredShowAllDecimalPoints; }
  void SetShowAllDecimalPoints(core::BooleanArg show);
  int16_t Digits() const { return state_.StoredDigits; }
  void SetDigits(core::Int16Arg digits);
  int16_t DigitWidth() const { return state_.StoredDigitWidth; }
  void SetDigitWidth(core::Int16Arg width);
  int16_t DigitHeight() const { return state_.StoredDigitHeight; }
  void SetDigitHeight(core::Int16Arg height);
  int16_t DigitLeftMargin() const { return state_.StoredDigitLeftMargin; }
  void SetDigitLeftMargin(core::Int16Arg margin);
  int16_t DigitUpperMargin() const { return state_.StoredDigitUpperMargin; }
  void SetDigitUpperMargin(core::Int16Arg margin);
  int16_t DigitSpacing() const { return state_.StoredDigitSpacing; }
  void SetDigitSpacing(core::Int16Arg spacing);
  int16_t SegmentWidth() const { return state_.StoredSegmentWidth; }
  void SetSegmentWidth(core::Int16Arg width);
  int16_t SegmentSeperation() const { return state_.StoredSegmentSeperation; }
  void SetSegmentSeperation(core::Int16Arg seperation);
  core::Boolean LeadingZeros() const { return state_.StoredLeadingZeros; }
  void SetLeadingZeros(core::BooleanArg on);
  core::Boolean LeadingPlusMinus() const { return state_.StoredLeadingPlusMinus; }
  void SetLeadingPlusMinus(core::BooleanArg on);
  core::Boolean Enabled();  ///< the base object's
  void SetEnabled(core::BooleanArg enabled);
  /// The control's own copy, not the base object's (which its appearance may change).
  core::OleColor BackColor() const { return state_.StoredBackColor; }
  void SetBackColor(core::ColorArg color);
  core::OleColor OnColor() const { return state_.StoredOnColor; }
  void SetOnColor(core::ColorArg color);
  core::OleColor OffColor() const { return state_.StoredOffColor; }
  void SetOffColor(core::ColorArg color);
  core::Boolean Transparent() const { return state_.StoredTransparent; }
  void SetTransparent(core::BooleanArg on);
  core::Boolean UseOverRange() const { return state_.StoredUseOverRange; }
  void SetUseOverRange(core::BooleanArg on);

  /// Turns the surface's AutoRedraw on (its error reaches the caller), then renders.
  void Refresh();

  // --- Read-outs: what a host shows, by the control's own rules ------------------
  /// The extent AutoSize would set now, in twips, sizing nothing: only the reads a
  /// measure needs (the cells, the captions' texts and heights, the twips per pixel).
  /// Empty when nothing is drawn or a step raises (a sum that overflows 16 bits). A
  /// host turns it into its own units as its surface turns an extent set in twips.
  std::optional<core::TwipsExtent> AutoSizeExtent();
  /// The text the cells show: sign and decimal points as displayed, blanked leading
  /// zeros left out, "over range" for the over-range mark; empty when nothing is drawn.
  /// Example: -12.5 on 4 digits with 1 decimal and LeadingZeros off shows "-12.5".
  std::string ShownText() const;
  /// The value does not fit the digits (or is not finite), whatever UseOverRange says.
  bool OverRange() const;

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
  /// A setter's steps after it stored its value (LEDDisplay.cpp lists the shapes), run
  /// in order; `name` is the property's, for the notification.
  void Apply(const char* name, std::span<const SetterStep> steps);
  /// Stores `value` in `member`, then applies the steps.
  template <class T>
  void Store(T& member, std::type_identity_t<T> value, const char* name,
             std::span<const SetterStep> steps);
  /// The state, host and cells as the render layer takes them.
  render::Display View();
  void Render();
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
