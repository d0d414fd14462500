// LEDDisplay: the property accessors, the read-outs, Refresh and the container's
// notifications. Each setter stores its value or hands it to the host, then runs its
// steps as data, in a fixed order; nothing compares with the old value, so setting the
// current value repeats every step.
#include "leddisplay/control/LEDDisplay.h"

#include <bit>

#include <cmath>

#include "leddisplay/control/SetterSteps.h"
#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/render/AutoSize.h"
#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/Layout.h"
#include "leddisplay/render/RenderPass.h"
#include "leddisplay/render/ShownText.h"

namespace led::control {

namespace {

using namespace steps;

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

render::Display LEDDisplay::View() {
  return {state_, host_, cells_.get(), zoom_};
}

void LEDDisplay::Render() {
  render::Display view = View();
  render::RenderDisplay(view);
}

void LEDDisplay::Apply(const char* name, std::span<const SetterStep> steps) {
  for (const SetterStep step : steps) {
    switch (step) {
      case SetterStep::Notify:
        host_.container.PropertyChanged(name);
        break;
      case SetterStep::Render:
        Render();
        break;
      case SetterStep::Layout:
        Resize();
        break;
      case SetterStep::BackColor:
        host_.surface.SetBackColor(state_.StoredBackColor);
        break;
      case SetterStep::FitHeight:
        if (core::IsTrue(state_.StoredAutoSize)) {
          // The resizes its height steps raise only move the labels, so a picture drawn
          // before them (or cut by the first, lower step) would stay; drawn again, its
          // nested width step changes nothing.
          const uint64_t resizesBefore = resizes_;
          render::Display view = View();
          render::AutoSizeHeight(view);
          if (resizes_ != resizesBefore) Render();
        }
        break;
    }
  }
}

// ---- Properties ----------------------------------------------------------------------

void LEDDisplay::SetValue(double value) {
  // Segments set by hand last until the value changes.
  const bool byHand = !state_.Extended.CellSegments.empty() &&
                      std::bit_cast<uint64_t>(value) != std::bit_cast<uint64_t>(state_.StoredValue);
  if (byHand) state_.Extended.CellSegments.clear();
  Store(state_.StoredValue, value, "Value", kRenderNotify);
  if (byHand) Apply("Segments", steps::kNotify);
}

int32_t LEDDisplay::Appearance() {
  return host_.surface.Appearance();
}

void LEDDisplay::SetAppearance(core::Int32Arg appearance) {
  StoreUnlessRefused<int32_t>(state_.StoredAppearance, appearance,
                              [&](int32_t v) { host_.surface.SetAppearance(core::Narrow16(v)); });
  Apply("Appearance", kNotifyBackColorRender);
}

void LEDDisplay::SetAutoSize(core::BooleanArg autoSize) {
  Store(state_.StoredAutoSize, autoSize, "AutoSize", kNotifyRenderFitHeight);
}

void LEDDisplay::SetBackGroundStyle(core::Int32Arg style) {
  Store(state_.StoredBackGroundStyle, style, "BackGroundStyle", kNotifyRender);
}

void LEDDisplay::SetBackGroundG1(core::ColorArg color) {
  Store(state_.StoredBackGroundG1, color, "BackGroundG1", kRenderNotify);
}

void LEDDisplay::SetBackGroundG2(core::ColorArg color) {
  Store(state_.StoredBackGroundG2, color, "BackGroundG2", kRenderNotify);
}

int32_t LEDDisplay::BorderStyle() const {
  return host_.surface.BorderStyle();
}

void LEDDisplay::SetBorderStyle(core::Int32Arg style) {
  StoreUnlessRefused<int32_t>(state_.StoredBorderStyle, style,
                              [&](int32_t v) { host_.surface.SetBorderStyle(core::Narrow16(v)); });
  Apply("BorderStyle", kNotifyBackColorRender);
}

std::string LEDDisplay::CaptionLow() const {
  return host_.lowerCaption.Caption();
}

void LEDDisplay::SetCaptionLow(const std::string& caption) {
  host_.lowerCaption.SetCaption(caption);
  Apply("CaptionLow", kLayoutNotify);
}

core::OleColor LEDDisplay::CaptionLowForeColor() const {
  return host_.lowerCaption.ForeColor();
}

void LEDDisplay::SetCaptionLowForeColor(core::ColorArg color) {
  host_.lowerCaption.SetForeColor(color);
  Apply("CaptionLowForeColor", kNotify);
}

void LEDDisplay::SetCaptionLowPosition(core::Int32Arg position) {
  StoreUnlessRefused<int32_t>(state_.StoredCaptionLowPosition, position, [&](int32_t v) {
    host_.lowerCaption.SetAlignment(core::Narrow16(v));
  });
  Apply("CaptionLowPosition", kLayoutNotify);
}

void LEDDisplay::SetCaptionLowFont(host::FontPtr font) {
  CopyFontAttributes(font, lowerCaptionFont_);
  host_.lowerCaption.SetFont(lowerCaptionFont_);
  Apply("CaptionLowFont", kLayoutNotify);
}

std::string LEDDisplay::CaptionUpper() const {
  return host_.upperCaption.Caption();
}

void LEDDisplay::SetCaptionUpper(const std::string& caption) {
  host_.upperCaption.SetCaption(caption);
  Apply("CaptionUpper", kLayoutNotify);
}

core::OleColor LEDDisplay::CaptionUpperForeColor() const {
  return host_.upperCaption.ForeColor();
}

void LEDDisplay::SetCaptionUpperForeColor(core::ColorArg color) {
  host_.upperCaption.SetForeColor(color);
  Apply("CaptionUpperForeColor", kNotify);
}

void LEDDisplay::SetCaptionUpperPosition(core::Int32Arg position) {
  StoreUnlessRefused<int32_t>(state_.StoredCaptionUpperPosition, position, [&](int32_t v) {
    host_.upperCaption.SetAlignment(core::Narrow16(v));
  });
  Apply("CaptionUpperPosition", kLayoutNotify);
}

void LEDDisplay::SetCaptionUpperFont(host::FontPtr font) {
  CopyFontAttributes(font, upperCaptionFont_);
  host_.upperCaption.SetFont(upperCaptionFont_);
  Apply("CaptionUpperFont", kLayoutNotify);
}

void LEDDisplay::SetDecimals(core::Int16Arg decimals) {
  Store(state_.StoredDecimals, decimals, "Decimals", kNotifyRender);
}

void LEDDisplay::SetDecimalPointSize(core::Int16Arg size) {
  Store(state_.StoredDecimalPointSize, size, "DecimalPointSize", kNotifyRender);
}

int32_t LEDDisplay::hWnd() const {
  return host_.surface.hWnd();
}

int32_t LEDDisplay::MousePointer() const {
  return host_.surface.MousePointer();
}

void LEDDisplay::SetMousePointer(core::Int32Arg pointer) {
  host_.surface.SetMousePointer(core::Narrow16(pointer));
  Apply("MousePointer", kNotify);
}

host::PicturePtr LEDDisplay::MouseIcon() const {
  return host_.surface.MouseIcon();
}

void LEDDisplay::SetMouseIcon(host::PicturePtr icon) {
  host_.surface.SetMouseIcon(std::move(icon));
  Apply("MouseIcon", kNotify);
}

host::PicturePtr LEDDisplay::PictureBackGround() const {
  return host_.surface.Picture();
}

void LEDDisplay::SetPictureBackGround(host::PicturePtr picture) {
  host_.surface.SetPicture(std::move(picture));
  Apply("PictureBackGround", kNotifyRender);
}

void LEDDisplay::SetShowAllDecimalPoints(core::BooleanArg show) {
  Store(state_.StoredShowAllDecimalPoints, show, "ShowAllDecimalPoints", kNotifyRender);
}

void LEDDisplay::SetDigits(core::Int16Arg digits) {
  Store(state_.StoredDigits, digits, "Digits", kNotifyRender);
}

void LEDDisplay::SetDigitWidth(core::Int16Arg width) {
  Store(state_.StoredDigitWidth, width, "DigitWidth", kNotifyRender);
}

void LEDDisplay::SetDigitHeight(core::Int16Arg height) {
  Store(state_.StoredDigitHeight, height, "DigitHeight", kNotifyRenderLayout);
}

void LEDDisplay::SetDigitLeftMargin(core::Int16Arg margin) {
  Store(state_.StoredDigitLeftMargin, margin, "DigitLeftMargin", kNotifyRender);
}

void LEDDisplay::SetDigitUpperMargin(core::Int16Arg margin) {
  Store(state_.StoredDigitUpperMargin, margin, "DigitUpperMargin", kLayoutNotify);
}

void LEDDisplay::SetDigitSpacing(core::Int16Arg spacing) {
  Store(state_.StoredDigitSpacing, spacing, "DigitSpacing", kLayoutNotify);
}

void LEDDisplay::SetSegmentWidth(core::Int16Arg width) {
  Store(state_.StoredSegmentWidth, width, "SegmentWidth", kLayoutNotify);
}

void LEDDisplay::SetSegmentSeperation(core::Int16Arg seperation) {
  Store(state_.StoredSegmentSeperation, seperation, "SegmentSeperation", kLayoutNotify);
}

void LEDDisplay::SetLeadingZeros(core::BooleanArg on) {
  Store(state_.StoredLeadingZeros, on, "LeadingZeros", kNotifyRender);
}

void LEDDisplay::SetLeadingPlusMinus(core::BooleanArg on) {
  Store(state_.StoredLeadingPlusMinus, on, "LeadingPlusMinus", kNotifyRender);
}

core::Boolean LEDDisplay::Enabled() const {
  return host_.surface.Enabled();
}

void LEDDisplay::SetEnabled(core::BooleanArg enabled) {
  host_.surface.SetEnabled(enabled);
  Apply("Enabled", kNotify);
}

void LEDDisplay::SetBackColor(core::ColorArg color) {
  StoreUnlessRefused<core::OleColor>(state_.StoredBackColor, color,
                                     [&](core::OleColor c) { host_.surface.SetBackColor(c); });
  Apply("BackColor", kNotifyRender);
}

void LEDDisplay::SetOnColor(core::ColorArg color) {
  Store(state_.StoredOnColor, color, "OnColor", kNotifyRender);
}

void LEDDisplay::SetOffColor(core::ColorArg color) {
  Store(state_.StoredOffColor, color, "OffColor", kNotifyRender);
}

void LEDDisplay::SetTransparent(core::BooleanArg on) {
  Store(state_.StoredTransparent, on, "Transparent", kNotifyRender);
}

void LEDDisplay::SetUseOverRange(core::BooleanArg on) {
  Store(state_.StoredUseOverRange, on, "UseOverRange", kNotifyRender);
}

// ---- Read-outs -----------------------------------------------------------------------

std::optional<core::TwipsExtent> LEDDisplay::AutoSizeExtent() const {
  return AutoSizeExtentAt(zoom_);
}

// ReckonAutoSize reads the state and sizes nothing (it formats into cells of its own),
// so the control's own view serves a const question.
std::optional<core::TwipsExtent> LEDDisplay::AutoSizeExtentAt(double zoom) const {
  render::Display view{const_cast<model::ControlState&>(state_), host_, cells_.get(), zoom};
  return render::ReckonAutoSize(view);
}

std::string LEDDisplay::ShownText() const {
  return render::ShownText(state_, *cells_);
}

bool LEDDisplay::OverRange() const {
  return render::IsOverRange(state_);
}

bool LEDDisplay::OverRangeFor(double value) const {
  model::ControlState asked = state_;
  asked.StoredValue = value;
  return render::IsOverRange(asked);
}

// ---- The host's zoom -----------------------------------------------------------------

void LEDDisplay::SetZoom(double zoom) {
  if (!(std::isfinite(zoom) && zoom > 0)) throw core::RuntimeError(core::kInvalidPropertyValue);
  zoom_ = zoom;
}

// Searched over whole steps k: k = 1 must fit, then k doubles until it does not (an
// extent that overflows does not fit, and every length that is not zero grows without
// bound with the zoom), then the interval between the last fit and the first miss halves.
std::optional<double> LEDDisplay::FitZoom(core::TwipsExtent available,
                                          const std::function<void(double zoom)>& trial) const {
  const auto fits = [&](int64_t steps) {
    const double zoom = static_cast<double>(steps) * kFitZoomStep;
    if (trial) trial(zoom);
    const std::optional<core::TwipsExtent> extent = AutoSizeExtentAt(zoom);
    return extent && extent->width <= available.width && extent->height <= available.height;
  };
  if (!fits(1)) return std::nullopt;
  int64_t fit = 1, miss = 2;
  while (fits(miss)) {
    fit = miss;
    miss *= 2;
  }
  while (miss - fit > 1) {
    const int64_t middle = fit + (miss - fit) / 2;
    (fits(middle) ? fit : miss) = middle;
  }
  return static_cast<double>(fit) * kFitZoomStep;
}

// ---- Refresh and the container's notifications ------------------------------------

void LEDDisplay::Refresh() {
  render::Display view = View();
  render::Refresh(view);
}

void LEDDisplay::Resize() {
  ++resizes_;
  render::Display view = View();
  render::ResizeHandling(view);
}
void LEDDisplay::Show() {
  render::Display view = View();
  render::ShowHandling(view);
}
void LEDDisplay::Paint() {
  render::Display view = View();
  render::PaintHandling(view);
}

}  // namespace led::control
