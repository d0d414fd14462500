#pragma once
/// @file
/// The disabled look, for a host of any toolkit: while the control's Enabled is False,
/// its lit segments, points and sign are painted halfway toward the unlit colour (each
/// channel (line + unlit + 1) / 2, platform::DisabledLineColor), unlit ones stay as they
/// are, and its captions draw in the surface's grey text colour (system colour 17, a
/// palette's DisabledText: Palette.h). Backgrounds and the border are unchanged.
#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::platform::kit {

/// Makes `surface` show `control` in the disabled look while Enabled is False, toward
/// the control's OffColor of the moment, and redraws the control (Refresh) whenever
/// Enabled changes. Both must outlive the surface's use of them.
void ShowDisabledLook(control::LEDDisplay& control, RasterSurface& surface);

}  // namespace led::platform::kit
