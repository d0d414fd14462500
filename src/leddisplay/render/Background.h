// Internal: not installed.
#pragma once
// The background behind the digits, painted once per render pass after the surface
// has been cleared: a copy of the container's picture for a transparent control, a
// two-colour gradient for the gradient styles, nothing for Standard (the cleared
// surface already shows BackColor).
#include <cstdint>

#include "leddisplay/host/Gdi.h"
#include "leddisplay/model/ControlState.h"
#include "leddisplay/render/ColorConversion.h"
#include "leddisplay/render/Display.h"

namespace led::render {

// Transparent: CopyContainerBackground only. Otherwise refreshes GradientBounds to the
// surface's inner size in pixels (0, 0, ScaleWidth, ScaleHeight, rounded half to even),
// then for Gradient_V fills from BackGroundG2 at the top to BackGroundG1 at the bottom,
// for Gradient_H from BackGroundG1 at the left to BackGroundG2 at the right. The
// gradient colours are converted only for a gradient style; one that cannot be
// converted (above FFFFFF after resolving) skips the gradient and leaves BackColor.
// A failure of the surface raises to the caller.
void PaintBackground(Display& display);

// One GradientFill over `rect` on device context `dc`: `first` at the top-left vertex,
// `second` at the bottom-right one; mode 0 shades across x, 1 across y. The result of
// the fill is not examined.
void FillGradient(host::Gdi& gdi, int32_t dc, const model::GradientArea& rect,
                  const ColorComponents& first, const ColorComponents& second, uint32_t mode);

// Copies the part of the container's picture that lies under the control (from the
// extender's Left/Top converted to pixels) 1:1 onto the surface. Never raises: each
// failing step is skipped. Without a container picture, or when its bitmap cannot be
// selected, nothing is copied and the cleared surface stays. The memory device context
// is always deleted and the picture released.
void CopyContainerBackground(Display& display);

}  // namespace led::render
