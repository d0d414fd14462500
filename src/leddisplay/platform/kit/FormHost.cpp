#include "leddisplay/platform/kit/FormHost.h"

#include <cmath>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/kit/DisabledLook.h"
#include "leddisplay/platform/raster/SystemColors.h"

namespace led::platform::kit {

FormHost::FormHost() : control_(form_.Host()), input_(control_) {
  form_.OnResize([this] { control_.Resize(); });
  ShowDisabledLook(control_, form_.Surface());
  control_.InitProperties();
  placed_.extent = {form_.Surface().ExtentPixelsX(), form_.Surface().ExtentPixelsY()};
  control_.Resize();
}

const Placement& FormHost::Place(PixelSize view, double ratio, bool fit) {
  if (!(std::isfinite(ratio) && ratio > 0)) throw core::RuntimeError(core::kInvalidPropertyValue);
  RasterSurface& surface = form_.Surface();
  const float twips = static_cast<float>(kTwipsPerViewPixel / ratio);
  surface.SetTwipsPerPixel(twips, twips);
  const bool autoSize = core::IsTrue(control_.AutoSize());
  const Sizing sizing = autoSize ? Sizing::AutoSize : fit ? Sizing::Fit : Sizing::Follow;
  PlacedLabel* const captions[] = {&form_.LowerCaption(), &form_.UpperCaption()};
  Placement placed = PlaceControl(control_, surface, view, ratio, sizing, captions);
  surface.SetBorderZoom(placed.zoom);
  control_.SetZoom(placed.zoom);
  if (!autoSize) surface.SetExtentPixels(placed.extent.width, placed.extent.height);
  control_.Resize();
  if (autoSize) {  // the control gave the extent: centred as it came out
    placed.extent = {surface.ExtentPixelsX(), surface.ExtentPixelsY()};
    const PixelSize origin = CentredOrigin(DeviceSize(view, ratio), placed.extent);
    placed.originX = origin.width;
    placed.originY = origin.height;
  }
  placed_ = placed;
  ratio_ = ratio;
  return placed_;
}

PixelSize FormHost::NaturalSize() {
  PlacedLabel* const captions[] = {&form_.LowerCaption(), &form_.UpperCaption()};
  return AutoViewSize(control_, form_.Surface(), ratio_, captions)
      .value_or(PixelSize{kStartWidth, kStartHeight});
}

void FormHost::SetPalette(const Palette& palette) {
  form_.Surface().SetSystemColors(SystemColorsOf(palette, CurrentSystemColors()));
  control_.Refresh();
}

ControlPoint FormHost::PointOf(double viewX, double viewY) {
  return ControlPointOf(form_.Surface(),
                        {ratio_, control_.Zoom(), placed_.originX, placed_.originY}, viewX, viewY);
}

bool FormHost::KeyDown(int16_t keyCode, int16_t shift, int16_t keyAscii) {
  return input_.KeyDown(keyCode, shift, keyAscii);
}

void FormHost::KeyUp(int16_t keyCode, int16_t shift) {
  input_.KeyUp(keyCode, shift);
}

void FormHost::Press(int16_t button, int16_t shift, double viewX, double viewY) {
  input_.Press(button, shift, PointOf(viewX, viewY));
}

void FormHost::Move(int16_t buttons, int16_t shift, double viewX, double viewY) {
  input_.Move(buttons, shift, PointOf(viewX, viewY));
}

void FormHost::Release(int16_t button, int16_t shift, double viewX, double viewY, bool inside) {
  input_.Release(button, shift, PointOf(viewX, viewY), inside);
}

void FormHost::DoubleClick(int16_t button, int16_t shift, double viewX, double viewY) {
  input_.DoubleClick(button, shift, PointOf(viewX, viewY));
}

}  // namespace led::platform::kit
