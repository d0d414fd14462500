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
#include <functional>
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

/// One control on its host: the properties, the read-outs, Refresh, the container's
/// notifications, persistence and input, as described above.
class LEDDisplay {
 public:
  /// A control on `host`; its state record is all zero until InitProperties or
  /// ReadProperties.
  explicit LEDDisplay(host::Host& host);
  ~LEDDisplay();
  LEDDisplay(const LEDDisplay&) = delete;
  LEDDisplay& operator=(const LEDDisplay&) = delete;

  /// The state record, for tests and tools.
  const model::ControlState& State() const { return state_; }

  // --- Properties --------------------------------------------------------------
  // Each setter stores its value (or hands it to the host object that holds it), then
  // runs the steps its comment names, in order: "notifies" is the container's
  // PropertyChanged, "renders" the render pass, "lays out" the resize handling (see
  // Resize). Setting the current value repeats every step.

  /// The number shown. Setting renders, then notifies.
  ///@{
  double Value() const { return state_.StoredValue; }
  void SetValue(double value);
  ///@}
  /// Flat (0) or ThreeD (1), held by the base object (16-bit). Setting notifies, puts
  /// the control's BackColor on the surface again, then renders.
  ///@{
  int32_t Appearance();  ///< the base object's, widened
  void SetAppearance(core::Int32Arg appearance);
  ///@}
  /// While on, the extent fits the digit row and captions. Setting notifies, then renders.
  ///@{
  core::Boolean AutoSize() const { return state_.StoredAutoSize; }
  /// Turning it on also recomputes the height; that step's error reaches the caller.
  void SetAutoSize(core::BooleanArg autoSize);
  ///@}
  /// Standard (0, the back colour), Gradient_V (1) or Gradient_H (2). Setting notifies,
  /// then renders.
  ///@{
  int32_t BackGroundStyle() const { return state_.StoredBackGroundStyle; }
  void SetBackGroundStyle(core::Int32Arg style);
  ///@}
  /// The gradient's two colours: G1 at the bottom (Gradient_V) or left (Gradient_H),
  /// G2 at the other end. Setting renders, then notifies.
  ///@{
  core::OleColor BackGroundG1() const { return state_.StoredBackGroundG1; }
  void SetBackGroundG1(core::ColorArg color);
  core::OleColor BackGroundG2() const { return state_.StoredBackGroundG2; }
  void SetBackGroundG2(core::ColorArg color);
  ///@}
  /// BorderNone (0) or FixedSingle (1), held by the base object (16-bit). Setting
  /// notifies, puts the control's BackColor on the surface again, then renders.
  ///@{
  int32_t BorderStyle() const;  ///< the base object's, widened
  void SetBorderStyle(core::Int32Arg style);
  ///@}

  /// The text of the caption below the digits, held by its label. Setting lays out,
  /// then notifies.
  ///@{
  std::string CaptionLow() const;
  void SetCaptionLow(const std::string& caption);
  ///@}
  /// The lower caption's text colour, held by its label. Setting notifies.
  ///@{
  core::OleColor CaptionLowForeColor() const;
  void SetCaptionLowForeColor(core::ColorArg color);
  ///@}
  /// Where the lower caption sits: left 0, right 1, centre 2 (PositionCts), also handed
  /// to its label as the alignment (16-bit). Setting lays out, then notifies.
  ///@{
  int32_t CaptionLowPosition() const { return state_.StoredCaptionLowPosition; }
  void SetCaptionLowPosition(core::Int32Arg position);
  ///@}
  /// The lower caption's font. Setting lays out, then notifies.
  ///@{
  /// The held caption font itself; changing it changes the caption's font object.
  host::FontPtr CaptionLowFont() const { return lowerCaptionFont_; }
  /// Copies name, size, bold, italic, underline and strikethrough of `font` into the
  /// held caption font; no font gives 91 before anything changes.
  void SetCaptionLowFont(host::FontPtr font);
  ///@}
  /// The text of the caption above the digits, held by its label. Setting lays out,
  /// then notifies.
  ///@{
  std::string CaptionUpper() const;
  void SetCaptionUpper(const std::string& caption);
  ///@}
  /// The upper caption's text colour, held by its label. Setting notifies.
  ///@{
  core::OleColor CaptionUpperForeColor() const;
  void SetCaptionUpperForeColor(core::ColorArg color);
  ///@}
  /// Where the upper caption sits, as CaptionLowPosition. Setting lays out, then
  /// notifies.
  ///@{
  int32_t CaptionUpperPosition() const { return state_.StoredCaptionUpperPosition; }
  void SetCaptionUpperPosition(core::Int32Arg position);
  ///@}
  /// The upper caption's font, held and copied into as CaptionLowFont. Setting lays
  /// out, then notifies.
  ///@{
  host::FontPtr CaptionUpperFont() const { return upperCaptionFont_; }
  void SetCaptionUpperFont(host::FontPtr font);
  ///@}

  /// Digits after the decimal point. Setting notifies, then renders.
  ///@{
  int16_t Decimals() const { return state_.StoredDecimals; }
  void SetDecimals(core::Int16Arg decimals);
  ///@}
  /// The decimal point's height in one-pixel lines. Setting notifies, then renders.
  ///@{
  int16_t DecimalPointSize() const { return state_.StoredDecimalPointSize; }
  void SetDecimalPointSize(core::Int16Arg size);
  ///@}
  /// The surface's window handle; read-only.
  int32_t hWnd() const;
  /// The pointer shape over the control, held by the base object. Setting notifies.
  ///@{
  int32_t MousePointer() const;  ///< the base object's, widened
  void SetMousePointer(core::Int32Arg pointer);
  ///@}
  /// The custom pointer picture, held by the base object. Setting notifies.
  ///@{
  host::PicturePtr MouseIcon() const;
  void SetMouseIcon(host::PicturePtr icon);
  ///@}
  /// The picture behind the digits, held by the base object. Setting notifies, then
  /// renders.
  ///@{
  host::PicturePtr PictureBackGround() const;
  void SetPictureBackGround(host::PicturePtr picture);
  ///@}
  /// Every digit shows its point, unlit where it is not the decimal point. Setting
  /// notifies, then renders.
  ///@{
  core::Boolean ShowAllDecimalPoints() const { return state_.StoredShowAllDecimalPoints; }
  void SetShowAllDecimalPoints(core::BooleanArg show);
  ///@}
  /// The number of digit cells. Setting notifies, then renders.
  ///@{
  int16_t Digits() const { return state_.StoredDigits; }
  void SetDigits(core::Int16Arg digits);
  ///@}
  /// A cell's width in pixels. Setting notifies, then renders.
  ///@{
  int16_t DigitWidth() const { return state_.StoredDigitWidth; }
  void SetDigitWidth(core::Int16Arg width);
  ///@}
  /// A cell's height in pixels. Setting notifies, renders, then lays out.
  ///@{
  int16_t DigitHeight() const { return state_.StoredDigitHeight; }
  void SetDigitHeight(core::Int16Arg height);
  ///@}
  /// The first cell's left edge in pixels. Setting notifies, then renders.
  ///@{
  int16_t DigitLeftMargin() const { return state_.StoredDigitLeftMargin; }
  void SetDigitLeftMargin(core::Int16Arg margin);
  ///@}
  /// The digit row's top margin in pixels, below the upper caption when it has text.
  /// Setting lays out, then notifies.
  ///@{
  int16_t DigitUpperMargin() const { return state_.StoredDigitUpperMargin; }
  void SetDigitUpperMargin(core::Int16Arg margin);
  ///@}
  /// The gap between cells in pixels. Setting lays out, then notifies.
  ///@{
  int16_t DigitSpacing() const { return state_.StoredDigitSpacing; }
  void SetDigitSpacing(core::Int16Arg spacing);
  ///@}
  /// A bar's thickness in one-pixel lines. Setting lays out, then notifies.
  ///@{
  int16_t SegmentWidth() const { return state_.StoredSegmentWidth; }
  void SetSegmentWidth(core::Int16Arg width);
  ///@}
  /// The gap in pixels at each end of the upright bars. Setting lays out, then
  /// notifies.
  ///@{
  int16_t SegmentSeperation() const { return state_.StoredSegmentSeperation; }
  void SetSegmentSeperation(core::Int16Arg seperation);
  ///@}
  /// Zeros before the units digit are lit, not blanked. Setting notifies, then renders.
  ///@{
  core::Boolean LeadingZeros() const { return state_.StoredLeadingZeros; }
  void SetLeadingZeros(core::BooleanArg on);
  ///@}
  /// The first cell shows the sign: plus for zero and up, minus below. Setting
  /// notifies, then renders.
  ///@{
  core::Boolean LeadingPlusMinus() const { return state_.StoredLeadingPlusMinus; }
  void SetLeadingPlusMinus(core::BooleanArg on);
  ///@}
  /// Held by the base object. Setting notifies.
  ///@{
  core::Boolean Enabled() const;  ///< the base object's
  void SetEnabled(core::BooleanArg enabled);
  ///@}
  /// The colour the cleared surface shows, also handed to the base object. Setting
  /// notifies, then renders.
  ///@{
  /// The control's own copy, not the base object's (which its appearance may change).
  core::OleColor BackColor() const { return state_.StoredBackColor; }
  void SetBackColor(core::ColorArg color);
  ///@}
  /// The colour of lit segments. Setting notifies, then renders.
  ///@{
  core::OleColor OnColor() const { return state_.StoredOnColor; }
  void SetOnColor(core::ColorArg color);
  ///@}
  /// The colour of unlit segments. Setting notifies, then renders.
  ///@{
  core::OleColor OffColor() const { return state_.StoredOffColor; }
  void SetOffColor(core::ColorArg color);
  ///@}
  /// The container's picture shows behind the digits instead of the background.
  /// Setting notifies, then renders.
  ///@{
  core::Boolean Transparent() const { return state_.StoredTransparent; }
  void SetTransparent(core::BooleanArg on);
  ///@}
  /// A value too long for the digits shows the over-range mark "OR". Setting notifies,
  /// then renders.
  ///@{
  core::Boolean UseOverRange() const { return state_.StoredUseOverRange; }
  void SetUseOverRange(core::BooleanArg on);
  ///@}

  /// Turns the surface's AutoRedraw on (its error reaches the caller), then renders.
  void Refresh();

  // --- Beyond the published interface (ExtendedProperties.cpp) -------------------
  // On the extension interface (PropertyTable.h), saved only when not at their first
  // values (model/Extensions.h). A value out of range raises 380 "Invalid property
  // value" and changes nothing.

  /// The cells that flash (a mask, model::Extensions::FlashCells). Setting notifies,
  /// then renders.
  ///@{
  int32_t FlashCells() const { return state_.Extended.FlashCells; }
  void SetFlashCells(core::Int32Arg mask);
  ///@}
  /// Each phase's length in milliseconds, 50..10000. Setting notifies.
  ///@{
  int32_t FlashInterval() const { return state_.Extended.FlashInterval; }
  void SetFlashInterval(core::Int32Arg milliseconds);
  ///@}
  /// The phase shown: True the flashed cells as they are, False wholly unlit. Not
  /// saved; the host that keeps time sets it. Setting renders (raising no Change), then
  /// notifies.
  ///@{
  core::Boolean FlashPhase() const { return state_.Extended.FlashPhase; }
  void SetFlashPhase(core::BooleanArg shown);
  ///@}
  /// Colours by value limits: while UseLimits is on, what is lit is drawn in LowColor
  /// below LowLimit, in HighColor above HighLimit. Setting renders, then notifies. A
  /// LowLimit above HighLimit (or the other way round) is refused, as is a NaN limit.
  ///@{
  core::Boolean UseLimits() const { return state_.Extended.UseLimits; }
  void SetUseLimits(core::BooleanArg on);
  double LowLimit() const { return state_.Extended.LowLimit; }
  void SetLowLimit(double limit);
  double HighLimit() const { return state_.Extended.HighLimit; }
  void SetHighLimit(double limit);
  core::OleColor LowColor() const { return state_.Extended.LowColor; }
  void SetLowColor(core::ColorArg color);
  core::OleColor HighColor() const { return state_.Extended.HighColor; }
  void SetHighColor(core::ColorArg color);
  ///@}
  /// Where Value lies against the limits while UseLimits is on; Within while it is off.
  model::ValueBand ValueBand() const;
  /// How far the digits lean to the right, in degrees, 0..20 (model::Extensions::Slant);
  /// the captions stay upright and AutoSize widens the control by the lean of the full
  /// digit height. Setting renders, then notifies.
  ///@{
  double Slant() const { return state_.Extended.Slant; }
  void SetSlant(double degrees);
  ///@}
  /// Text shown instead of the number while not empty (UTF-8): one cell a character,
  /// right-aligned in Digits cells, no sign cell; "." lights the point of the cell before
  /// and ":" a colon after it, taking no cell; a character without a glyph shows a blank
  /// cell. A text longer than Digits shows its first Digits cells and is OverRange (with
  /// UseOverRange on, the over-range mark). Value, Change and the rest keep working.
  /// Setting renders, then notifies.
  ///@{
  const std::string& Text() const { return state_.Extended.Text; }
  void SetText(const std::string& text);
  ///@}
  /// The cells' segments: 0 seven (the default), 1 fourteen, 2 sixteen
  /// (render/AlphaGlyphs.h lists their segments and glyphs). Another value is refused.
  /// Setting renders, then notifies.
  ///@{
  int16_t SegmentStyle() const { return state_.Extended.SegmentStyle; }
  void SetSegmentStyle(core::Int16Arg style);
  ///@}
  /// Segments set by hand, shown instead of cells' glyphs until Value or Text changes
  /// (never saved): as text, one entry a cell of the row from the left, separated by
  /// commas, each a mask of lit segments in decimal (bit 0 first: seven segments a, b,
  /// c, d, e, f, g; fourteen and sixteen as render/AlphaGlyphs.h lists them; 65536 the
  /// point) or empty for the cell's own glyph. "118,121" shows "H" and "E" in the first
  /// two seven-segment cells. A mask beyond 0..131071 or an entry that is not a number
  /// is refused (380). SetCellSegments sets one cell's (a mask below 0: its own glyph
  /// again). Setting renders, then notifies (as Segments).
  ///@{
  std::string Segments() const;
  void SetSegments(const std::string& masks);
  void SetCellSegments(core::Int16Arg cell, core::Int32Arg mask);
  ///@}

  // --- Read-outs: what a host shows, by the control's own rules ------------------
  /// The extent AutoSize would set now, in twips, sizing nothing: only the reads a
  /// measure needs (the cells, the captions' texts and heights, the twips per pixel).
  /// Empty when nothing is drawn or a step raises (a sum that overflows 16 bits). A
  /// host turns it into its own units as its surface turns an extent set in twips.
  std::optional<core::TwipsExtent> AutoSizeExtent() const;
  /// AutoSizeExtent as the control would give it at `zoom` (finite, above 0), its own
  /// zoom unchanged: what a host asks before it chooses a zoom.
  std::optional<core::TwipsExtent> AutoSizeExtentAt(double zoom) const;
  /// The text the cells show: sign and decimal points as displayed, blanked leading
  /// zeros left out, "over range" for the over-range mark; empty when nothing is drawn.
  /// Example: -12.5 on 4 digits with 1 decimal and LeadingZeros off shows "-12.5".
  std::string ShownText() const;
  /// The value does not fit the digits (or is not finite), whatever UseOverRange says.
  bool OverRange() const;
  /// Whether `value` would be over range, as OverRange, with the other properties as
  /// they are now; changes nothing.
  bool OverRangeFor(double value) const;

  // --- The host's zoom (not a property: never notified, saved or listed) -----------
  /// The zoom the control draws its pixel geometry at: it draws exactly as a control
  /// whose DigitWidth, DigitHeight, SegmentWidth, SegmentSeperation, DigitLeftMargin,
  /// DigitUpperMargin, DigitSpacing and DecimalPointSize were each the stored value
  /// times the zoom, rounded to the nearest integer with halves away from zero, a value
  /// that is not zero staying at least 1 in magnitude, but for the sign's strokes, which
  /// are as many lines thicker as the zoom (three lines become ZoomLength(3, zoom)) where
  /// such a control's would stay as they are. The stored properties, the border,
  /// the captions' fonts and the extent keep their values; AutoSize and AutoSizeExtent
  /// fit the zoomed lengths. A zoomed length that leaves 16 bits raises 6 where the
  /// stored one would be used (the render pass then ends quietly). Zoom 1, the first
  /// value, draws the stored lengths call for call.
  ///@{
  double Zoom() const { return zoom_; }
  /// Stores the zoom and draws nothing: the host lays out (Resize) when its surface is
  /// ready. A zoom that is not finite or not above 0 raises 380 and changes nothing.
  void SetZoom(double zoom);
  ///@}
  /// The largest zoom, a whole multiple of 1/64 (kFitZoomStep), at which AutoSizeExtent
  /// fits `available` (neither side larger), found by a search over AutoSizeExtent at
  /// trial zooms (doubling, then halving the interval) that assumes the extent grows with
  /// the zoom, as it does for lengths that are not negative. Empty when nothing is drawn
  /// or not even 1/64 fits. The control's zoom is not changed. `trial`, when given, is
  /// called with each trial zoom before its extent is measured: a host whose captions
  /// grow with the zoom scales them there (the search then fits them too), and sets them
  /// for the zoom it takes afterwards.
  std::optional<double> FitZoom(core::TwipsExtent available,
                                const std::function<void(double zoom)>& trial = {}) const;
  /// The step of FitZoom's answers.
  static constexpr double kFitZoomStep = 1.0 / 64;

  // --- The container's notifications ---------------------------------------------
  /// Places the captions, fits the height when AutoSize is on, then renders (not while
  /// that fitting resizes); a failing step is skipped and nothing raises.
  void Resize();
  /// Renders.
  void Show();
  /// Does nothing: the surface keeps its image.
  void Paint();

  // --- Lifecycle (Persistence.cpp) -----------------------------------------------
  /// A newly placed control: every member and host property takes its first value.
  void InitProperties();
  /// A saved control: its keys read in order (Persistence.cpp), each applied at once;
  /// the first failing one ends the load with everything before it applied.
  void ReadProperties(host::PropertyBag& bag);
  /// Every saved key with its default; changes nothing.
  void WriteProperties(host::PropertyBag& bag);
  /// Releases the background picture and the two caption fonts.
  void Terminate();

  // --- Input (InputEvents.cpp) ---------------------------------------------------
  /// Each raises its event at once; a value the host's handler changes is written
  /// back into the argument.
  ///@{
  void Click();
  void DblClick();
  void KeyDown(int16_t& keyCode, int16_t& shift);
  void KeyPress(int16_t& keyAscii);
  void KeyUp(int16_t& keyCode, int16_t& shift);
  void MouseDown(int16_t& button, int16_t& shift, float& x, float& y);
  void MouseMove(int16_t& button, int16_t& shift, float& x, float& y);
  void MouseUp(int16_t& button, int16_t& shift, float& x, float& y);
  ///@}

 private:
  /// A setter's steps after it stored its value (LEDDisplay.cpp lists the shapes), run
  /// in order; `name` is the property's, for the notification.
  void Apply(const char* name, std::span<const SetterStep> steps);
  /// Stores `value` in `member`, then applies the steps.
  template <class T>
  void Store(T& member, std::type_identity_t<T> value, const char* name,
             std::span<const SetterStep> steps) {
    member = value;
    Apply(name, steps);
  }
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
  /// The container's Resize notifications so far, to see whether fitting the height
  /// resized the surface.
  uint64_t resizes_ = 0;
  double zoom_ = 1;
};

}  // namespace led::control
