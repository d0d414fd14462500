// LEDDisplay: the property accessors, Refresh and the container's notifications.
// Each setter runs its steps in a fixed order (store, host property, notify, render
// or resize); nothing compares with the old value, so setting the current value
// repeats every step.
#include "leddisplay/control/LEDDisplay.h"

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/Layout.h"
#include "leddisplay/render/RenderPass.h"

namespace led::control {

namespace {

// Stores `value` in `member`, then hands it to the host object through `apply`. A
// host object that refuses the value (or a value that does not fit its 16 bits)
// leaves the member as it was, so the control never keeps a value it never showed.
template <class T, class Apply>
void StoreUnlessRefused(T& member, T value, Apply&& apply) {
  const T previous = member;
  member = value;
  try {
    apply(value);
  } catch (...) {
    member = previous;
    throw;
  }
}

// Copies the six attributes a caption font takes from the caller's font, in order.
void CopyFontAttributes(const host::FontPtr& from, const host::FontPtr& to) {
  if (!from || !to) throw core::RuntimeError(core::kObjectNotSet);
  to->SetName(from->Name());
  to->SetSize(from->Size());
  to->SetBold(from->Bold());
  to->SetItalic(from->Italic());
  to->SetUnderline(from->Underline());
  to->SetStrikethrough(from->Strikethrough());
}

}  // namespace

LEDDisplay::LEDDisplay(host::Host& host)
    : host_(host), cells_(std::make_unique<render::CellCache>()) {}

LEDDisplay::~LEDDisplay() = default;

void LEDDisplay::Notify(const char* name) {
  host_.container.PropertyChanged(name);
}
void LEDDisplay::Render() {
  render::Display view{state_, host_, cells_.get()};
  render::RenderDisplay(view);
}
void LEDDisplay::ResizeLayout() {
  render::Display view{state_, host_, cells_.get()};
  render::ResizeHandling(view);
}

void LEDDisplay::SetValue(double value) {
  state_.StoredValue = value;
  Render();
  Notify("Value");
}

int32_t LEDDisplay::Appearance() {
  return host_.surface.Appearance();
}

void LEDDisplay::SetAppearance(int32_t appearance) {
  StoreUnlessRefused(state_.StoredAppearance, appearance,
                     [&](int32_t v) { host_.surface.SetAppearance(core::Narrow16(v)); });
  Notify("Appearance");
  host_.surface.SetBackColor(state_.StoredBackColor);
  Render();
}

void LEDDisplay::SetAutoSize(core::Boolean autoSize) {
  state_.StoredAutoSize = autoSize;
  Notify("AutoSize");
  Render();
  if (core::IsTrue(state_.StoredAutoSize)) {
    render::Display view{state_, host_, cells_.get()};
    render::AutoSizeHeight(view);
  }
}

void LEDDisplay::SetBackGroundStyle(int32_t style) {
  state_.StoredBackGroundStyle = style;
  Notify("BackGroundStyle");
  Render();
}

void LEDDisplay::SetBackGroundG1(core::OleColor color) {
  state_.StoredBackGroundG1 = color;
  Render();
  Notify("BackGroundG1");
}

void LEDDisplay::SetBackGroundG2(core::OleColor color) {
  state_.StoredBackGroundG2 = color;
  Render();
  Notify("BackGroundG2");
}

int32_t LEDDisplay::BorderStyle() {
  return host_.surface.BorderStyle();
}

void LEDDisplay::SetBorderStyle(int32_t style) {
  StoreUnlessRefused(state_.StoredBorderStyle, style,
                     [&](int32_t v) { host_.surface.SetBorderStyle(core::Narrow16(v)); });
  Notify("BorderStyle");
  host_.surface.SetBackColor(state_.StoredBackColor);
  Render();
}

std::string LEDDisplay::CaptionLow() {
  return host_.lowerCaption.Caption();
}

void LEDDisplay::SetCaptionLow(const std::string& caption) {
  host_.lowerCaption.SetCaption(caption);
  ResizeLayout();
  Notify("CaptionLow");
}

core::OleColor LEDDisplay::CaptionLowForeColor() {
  return host_.lowerCaption.ForeColor();
}

void LEDDisplay::SetCaptionLowForeColor(core::OleColor color) {
  host_.lowerCaption.SetForeColor(color);
  Notify("CaptionLowForeColor");
}

void LEDDisplay::SetCaptionLowPosition(int32_t position) {
  StoreUnlessRefused(state_.StoredCaptionLowPosition, position,
                     [&](int32_t v) { host_.lowerCaption.SetAlignment(core::Narrow16(v)); });
  ResizeLayout();
  Notify("CaptionLowPosition");
}

void LEDDisplay::SetCaptionLowFont(host::FontPtr font) {
  CopyFontAttributes(font, lowerCaptionFont_);
  host_.lowerCaption.SetFont(lowerCaptionFont_);
  ResizeLayout();
  Notify("CaptionLowFont");
}

std::string LEDDisplay::CaptionUpper() {
  return host_.upperCaption.Caption();
}

void LEDDisplay::SetCaptionUpper(const std::string& caption) {
  host_.upperCaption.SetCaption(caption);
  ResizeLayout();
  Notify("CaptionUpper");
}

core::OleColor LEDDisplay::CaptionUpperForeColor() {
  return host_.upperCaption.ForeColor();
}

void LEDDisplay::SetCaptionUpperForeColor(core::OleColor color) {
  host_.upperCaption.SetForeColor(color);
  Notify("CaptionUpperForeColor");
}

void LEDDisplay::SetCaptionUpperPosition(int32_t position) {
  StoreUnlessRefused(state_.StoredCaptionUpperPosition, position,
                     [&](int32_t v) { host_.upperCaption.SetAlignment(core::Narrow16(v)); });
  ResizeLayout();
  Notify("CaptionUpperPosition");
}

void LEDDisplay::SetCaptionUpperFont(host::FontPtr font) {
  CopyFontAttributes(font, upperCaptionFont_);
  host_.upperCaption.SetFont(upperCaptionFont_);
  ResizeLayout();
  Notify("CaptionUpperFont");
}

void LEDDisplay::SetDecimals(int16_t decimals) {
  state_.StoredDecimals = decimals;
  Notify("Decimals");
  Render();
}

void LEDDisplay::SetDecimalPointSize(int16_t size) {
  state_.StoredDecimalPointSize = size;
  Notify("DecimalPointSize");
  Render();
}

int32_t LEDDisplay::hWnd() {
  return host_.surface.hWnd();
}

int32_t LEDDisplay::MousePointer() {
  return host_.surface.MousePointer();
}

void LEDDisplay::SetMousePointer(int32_t pointer) {
  host_.surface.SetMousePointer(core::Narrow16(pointer));
  Notify("MousePointer");
}

host::PicturePtr LEDDisplay::MouseIcon() {
  return host_.surface.MouseIcon();
}

void LEDDisplay::SetMouseIcon(host::PicturePtr icon) {
  host_.surface.SetMouseIcon(std::move(icon));
  Notify("MouseIcon");
}

host::PicturePtr LEDDisplay::PictureBackGround() {
  return host_.surface.Picture();
}

void LEDDisplay::SetPictureBackGround(host::PicturePtr picture) {
  host_.surface.SetPicture(std::move(picture));
  Notify("PictureBackGround");
  Render();
}

void LEDDisplay::SetShowAllDecimalPoints(core::Boolean show) {
  state_.StoredShowAllDecimalPoints = show;
  Notify("ShowAllDecimalPoints");
  Render();
}

void LEDDisplay::SetDigits(int16_t digits) {
  state_.StoredDigits = digits;
  Notify("Digits");
  Render();
}

void LEDDisplay::SetDigitWidth(int16_t width) {
  state_.StoredDigitWidth = width;
  Notify("DigitWidth");
  Render();
}

void LEDDisplay::SetDigitHeight(int16_t height) {
  state_.StoredDigitHeight = height;
  Notify("DigitHeight");
  Render();
  ResizeLayout();
}

void LEDDisplay::SetDigitLeftMargin(int16_t margin) {
  state_.StoredDigitLeftMargin = margin;
  Notify("DigitLeftMargin");
  Render();
}

void LEDDisplay::SetDigitUpperMargin(int16_t margin) {
  state_.StoredDigitUpperMargin = margin;
  ResizeLayout();
  Notify("DigitUpperMargin");
}

void LEDDisplay::SetDigitSpacing(int16_t spacing) {
  state_.StoredDigitSpacing = spacing;
  ResizeLayout();
  Notify("DigitSpacing");
}

void LEDDisplay::SetSegmentWidth(int16_t width) {
  state_.StoredSegmentWidth = width;
  ResizeLayout();
  Notify("SegmentWidth");
}

void LEDDisplay::SetSegmentSeperation(int16_t seperation) {
  state_.StoredSegmentSeperation = seperation;
  ResizeLayout();
  Notify("SegmentSeperation");
}

void LEDDisplay::SetLeadingZeros(core::Boolean on) {
  state_.StoredLeadingZeros = on;
  Notify("LeadingZeros");
  Render();
}

void LEDDisplay::SetLeadingPlusMinus(core::Boolean on) {
  state_.StoredLeadingPlusMinus = on;
  Notify("LeadingPlusMinus");
  Render();
}

core::Boolean LEDDisplay::Enabled() {
  return host_.surface.Enabled();
}

void LEDDisplay::SetEnabled(core::Boolean enabled) {
  host_.surface.SetEnabled(enabled);
  Notify("Enabled");
}

void LEDDisplay::SetBackColor(core::OleColor color) {
  StoreUnlessRefused(state_.StoredBackColor, color,
                     [&](core::OleColor c) { host_.surface.SetBackColor(c); });
  Notify("BackColor");
  Render();
}

void LEDDisplay::SetOnColor(core::OleColor color) {
  state_.StoredOnColor = color;
  Notify("OnColor");
  Render();
}

void LEDDisplay::SetOffColor(core::OleColor color) {
  state_.StoredOffColor = color;
  Notify("OffColor");
  Render();
}

void LEDDisplay::SetTransparent(core::Boolean on) {
  state_.StoredTransparent = on;
  Notify("Transparent");
  Render();
}

void LEDDisplay::SetUseOverRange(core::Boolean on) {
  state_.StoredUseOverRange = on;
  Notify("UseOverRange");
  Render();
}

void LEDDisplay::Refresh() {
  render::Display view{state_, host_, cells_.get()};
  render::Refresh(view);
}

void LEDDisplay::Resize() {
  render::Display view{state_, host_, cells_.get()};
  render::ResizeHandling(view);
}
void LEDDisplay::Show() {
  render::Display view{state_, host_, cells_.get()};
  render::ShowHandling(view);
}
void LEDDisplay::Paint() {
  render::Display view{state_, host_, cells_.get()};
  render::PaintHandling(view);
}

}  // namespace led::control
