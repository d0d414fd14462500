#pragma once
/// @file
/// Mouse points in the control's own units, for a host of any toolkit. A host shows the
/// control in a view whose points are logical pixels; it draws at a device pixel ratio
/// (device pixels per view pixel) and the control at a zoom (control::LEDDisplay::Zoom:
/// the ratio, or a fit's), its surface's extent placed at an origin in the view's device
/// pixels. A view point becomes the numbers the control's mouse events carry: its place
/// in the inner area (the corner inside the border is 0, 0) in the control's pixels at
/// zoom 1, which do not depend on the ratio or the zoom, then in the surface's ScaleMode
/// (pixels as they are, or twips and the other units at 15 twips a pixel).
///
/// Example: at ratio 2 and zoom 2, with a 3D border (4 device pixels) and the origin at
/// 0, 0, the view point (50, 20) is (48, 18) in pixels and (720, 270) in twips, as the
/// point (50, 20) is at ratio 1 and zoom 1.
#include <cstdint>

#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::platform::kit {

/// Twips per view pixel: a view pixel is the control's pixel at ratio 1 (a screen's
/// classic 96 pixels an inch); a surface's device pixel is 15 / ratio twips.
inline constexpr double kTwipsPerViewPixel = 15;

/// How the control lies in its view.
struct ViewPlacement {
  double ratio = 1;     ///< device pixels per view pixel, above 0
  double zoom = 1;      ///< the control's zoom, above 0
  int32_t originX = 0;  ///< the surface's extent's corner in the view, device pixels
  int32_t originY = 0;  ///< (the same, down)
};

/// A point in the control's units.
struct ControlPoint {
  float x = 0;  ///< across, from the corner inside the border
  float y = 0;  ///< down, from the corner inside the border
};

/// The view point (`viewX`, `viewY`, in view pixels) in `surface`'s scale, as described
/// above; `surface` gives the border's thickness, its twips per pixel and its ScaleMode.
ControlPoint ControlPointOf(RasterSurface& surface, const ViewPlacement& placement, double viewX,
                            double viewY);

}  // namespace led::platform::kit
