#include "leddisplay/render/Layout.h"

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/ErrorRegimes.h"
#include "leddisplay/render/AutoSize.h"
#include "leddisplay/render/Geometry.h"
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

}  // namespace

void ResizeHandling(Display& display) {
  model::ControlState& s = display.state;
  host::Surface& surface = display.host.surface;
  host::Label& lower = display.host.lowerCaption;
  host::Label& upper = display.host.upperCaption;

  core::TryStep([&] {
    PlaceCaption(surface, lower, s.StoredCaptionLowPosition, GeometryOf(display).digitLeftMargin);
  });
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

void ShowHandling(Display& display) {
  RenderDisplay(display);
}

void PaintHandling(Display&) {}

void Refresh(Display& display) {
  display.host.surface.SetAutoRedraw(core::kTrue);
  RenderDisplay(display);
}

}  // namespace led::render
