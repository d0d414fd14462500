#include "leddisplay/render/Layout.h"

#include <string>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/ErrorRegimes.h"
#include "leddisplay/render/RenderPass.h"

namespace led::render {

namespace {

// Left edge of a caption label of `width` by its position in a surface `scaleWidth`
// wide; false for a position outside the three known ones (the label stays put).
bool CaptionLeft(int32_t position, float leftPositionX, float scaleWidth, float width,
                 float& left) {
  switch (position) {
    case model::LeftPosition:
      left = leftPositionX;
      return true;
    case model::RightPosition:
      left = scaleWidth - width;
      return true;
    case model::CenterPosition:
      left = scaleWidth / 2 - width / 2;
      return true;
    default:
      return false;
  }
}

void PlaceCaption(host::Surface& surface, host::Label& label, int32_t position,
                  float leftPositionX) {
  float left = 0;
  if (CaptionLeft(position, leftPositionX, surface.ScaleWidth(), label.Width(), left))
    label.SetLeft(left);
}

// Clears SizingInProgress when AutoSizeHeight ends, normally or on an error, so that an
// error cannot leave later resizes without layout and redraw.
struct SizingScope {
  model::ControlState& state;
  explicit SizingScope(model::ControlState& s) : state(s) { state.SizingInProgress = core::kTrue; }
  ~SizingScope() { state.SizingInProgress = core::kFalse; }
  SizingScope(const SizingScope&) = delete;
  SizingScope& operator=(const SizingScope&) = delete;
};

// A caption's share of the height in twips: its label's height plus the margin when it
// has text, the margin alone otherwise.
double CaptionShare(host::Label& label, double twipsPerPixel, int16_t margin) {
  const std::string caption = label.Caption();
  const float height = label.Height();
  return caption.empty() ? margin : height * twipsPerPixel + margin;
}

}  // namespace

void ResizeHandling(Display& display) {
  model::ControlState& s = display.state;
  host::Surface& surface = display.host.surface;
  host::Label& lower = display.host.lowerCaption;
  host::Label& upper = display.host.upperCaption;

  core::TryStep(
      [&] { PlaceCaption(surface, lower, s.StoredCaptionLowPosition, s.StoredDigitLeftMargin); });
  core::TryStep([&] { PlaceCaption(surface, upper, s.StoredCaptionUpperPosition, 1.0f); });
  core::TryStep([&] { upper.SetTop(0); });
  core::TryStep([&] {
    if (surface.ScaleMode() == host::kScalePixels && core::IsTrue(s.StoredAutoSize) &&
        !core::IsTrue(s.SizingInProgress))
      AutoSizeHeight(display);
  });
  core::TryStep([&] { lower.SetTop(surface.ScaleHeight() - lower.Height()); });
  if (!core::IsTrue(s.SizingInProgress)) RenderDisplay(display);
}

double AutoSizeContentHeight(const model::ControlState& s, host::Label& lower, host::Label& upper,
                             double twipsPerPixel) {
  const int16_t margin = core::Round16(s.StoredDigitUpperMargin * twipsPerPixel);
  const double lowerShare = CaptionShare(lower, twipsPerPixel, margin);
  const double upperShare = CaptionShare(upper, twipsPerPixel, margin);
  return (upperShare + lowerShare) + s.StoredDigitHeight * twipsPerPixel;
}

int AutoSizeAllowance(const model::ControlState& s) {
  const bool threeD = s.StoredAppearance == model::ThreeD;
  const bool flat = s.StoredAppearance == model::Flat;
  const bool single = s.StoredBorderStyle == model::FixedSingle;
  const bool none = s.StoredBorderStyle == model::BorderNone;
  if (!(threeD || flat) || !(single || none)) return 0;
  return single ? (threeD ? 9 : 6) : 5;
}

void AutoSizeHeight(Display& display) {
  model::ControlState& s = display.state;
  host::Surface& surface = display.host.surface;
  const SizingScope sizing(s);

  const double t = surface.TwipsPerPixelY();
  surface.SetHeight(static_cast<float>(
      AutoSizeContentHeight(s, display.host.lowerCaption, display.host.upperCaption, t)));
  if (const int allowance = AutoSizeAllowance(s); allowance != 0) {
    const float height = surface.Height();
    surface.SetHeight(static_cast<float>(height + allowance * t));
  }
}

int16_t BorderWidth(const model::ControlState& state) {
  if (state.StoredBorderStyle != model::FixedSingle) return 0;
  if (state.StoredAppearance == model::ThreeD) return 2;
  return state.StoredAppearance == model::Flat ? 1 : 0;
}

void ShowHandling(Display& display) {
  RenderDisplay(display);
}

void PaintHandling(Display&) {}

void Refresh(Display& display) {
  display.host.surface.SetAutoRedraw(core::kTrue);
  RenderDisplay(display);
}

}  // namespace led::render
