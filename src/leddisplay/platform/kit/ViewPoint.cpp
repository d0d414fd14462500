#include "leddisplay/platform/kit/ViewPoint.h"

#include "leddisplay/host/Surface.h"

namespace led::platform::kit {

namespace {

// One axis: the view coordinate in the control's pixels at zoom 1, then in the scale.
// A pixel at zoom 1 is `ratio` of the surface's device pixels in twips (15 / ratio
// each), so the surface converts it for the other scale modes.
float OnAxis(RasterSurface& surface, const ViewPlacement& placement, double view, int32_t origin,
             bool vertical) {
  const double pixels =
      (view * placement.ratio - origin - surface.BorderThickness()) / placement.zoom;
  const int16_t mode = surface.ScaleMode();
  if (mode == host::kScalePixels || mode == host::kScaleUser) return static_cast<float>(pixels);
  const auto device = static_cast<float>(pixels * placement.ratio);
  return vertical ? surface.ScaleY(device, host::kScalePixels, mode)
                  : surface.ScaleX(device, host::kScalePixels, mode);
}

}  // namespace

ControlPoint ControlPointOf(RasterSurface& surface, const ViewPlacement& placement, double viewX,
                            double viewY) {
  return {OnAxis(surface, placement, viewX, placement.originX, false),
          OnAxis(surface, placement, viewY, placement.originY, true)};
}

}  // namespace led::platform::kit
