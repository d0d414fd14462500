#pragma once
/// @file
/// Placing the control in a view, for a host of any toolkit. A view has a size in logical
/// pixels and a device pixel ratio; the host's surface works in device pixels at
/// kTwipsPerViewPixel / ratio twips each (ViewPoint.h), so twips and view pixels keep
/// their meaning at every ratio. The control draws at a zoom, its surface's border at the
/// same zoom (RasterSurface::SetBorderZoom), so that a display has one size in view pixels
/// at every ratio.
///
/// Three ways to size it:
/// - Follow: the control's extent is the view's (the control lays out in it), zoom =
///   ratio.
/// - AutoSize (the control's AutoSize on): the control keeps the extent it gives, centred
///   in the view; the view's natural size is AutoViewSize. The zoom is AutoSizeZoom.
/// - Fit: the largest zoom at which the display fits the view (control::LEDDisplay::
///   FitZoom), its box centred; zoom = ratio when nothing fits. The captions grow with
///   the digits: scale zoom / ratio (PlacedLabel::SetScale; their fonts keep their
///   sizes), and the fit counts them so, so that a fitted display looks like the
///   auto-sized one enlarged. In the other ways their scale is 1.
///
/// Lengths: a view length becomes device pixels rounded to nearest, halves away from zero
/// (DevicePixels), and back the same way (ViewPixels). Nothing here changes the control
/// or the surface (PlaceControl sets the captions' scale): the host applies the answer.
///
/// Example: the first values (a new control) at ratio 2 in a 177 x 63 view: AutoViewSize
/// 177 x 63, zoom 2, extent 354 x 126 device pixels at (0, 0); at ratio 1.5 the same
/// view size, and an extent within a few device pixels of 266 x 95, centred.
#include <cstdint>
#include <optional>
#include <span>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/raster/PlacedLabel.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::platform::kit {

/// The extent of a new display in view pixels (Form.h has the one definition).
///@{
using platform::kStartHeight;
using platform::kStartWidth;
///@}

/// A size in pixels (view or device, as stated).
struct PixelSize {
  int32_t width = 0;   ///< across
  int32_t height = 0;  ///< down
  /// Both sides equal.
  bool operator==(const PixelSize&) const = default;
};

/// How the host sizes the control (see above).
enum class Sizing { Follow, AutoSize, Fit };

/// Where and how large the control draws.
struct Placement {
  double zoom = 1;      ///< the control's zoom and its surface's border zoom
  PixelSize extent;     ///< the surface's extent, device pixels (with AutoSize: the one
                        ///< the control will give at `zoom`)
  int32_t originX = 0;  ///< the extent's corner in the view, device pixels
  int32_t originY = 0;  ///< (the same, down)
};

/// A view length in device pixels, and back (see Lengths above).
///@{
int32_t DevicePixels(double viewPixels, double ratio);
int32_t ViewPixels(int32_t devicePixels, double ratio);
PixelSize DeviceSize(PixelSize view, double ratio);
PixelSize ViewSize(PixelSize device, double ratio);
///@}

/// The corner at which a box of `box` device pixels lies centred in an area of `area`
/// device pixels (0 on an axis where the box is larger).
PixelSize CentredOrigin(PixelSize area, PixelSize box);

/// The extent AutoSize gives, in view pixels, the same at every ratio: at a whole ratio
/// the control's AutoSizeExtentAt(ratio) over the ratio; between two whole ratios the
/// extent between theirs (their lengths are exact multiples, where a fractional zoom
/// rounds each length on its own), rounded once. None when the control gives none or
/// `surface` would refuse it. `surface` is at the ratio's twips per pixel; `captions`
/// are measured at scale 1 (and keep the scale they had).
std::optional<PixelSize> AutoViewSize(const control::LEDDisplay& control, RasterSurface& surface,
                                      double ratio, std::span<PlacedLabel* const> captions = {});

/// The zoom an auto-sized control draws at: the ratio, or, where the lengths rounded at a
/// fractional ratio would not fit AutoViewSize in device pixels, the largest FitZoom step
/// that does.
double AutoSizeZoom(const control::LEDDisplay& control, RasterSurface& surface, double ratio);

/// The placement in a view of `view` pixels at `ratio` by `sizing` (see above), with
/// `captions` (the control's two labels, or none) left at the placement's scale.
/// `surface` is at the ratio's twips per pixel.
Placement PlaceControl(const control::LEDDisplay& control, RasterSurface& surface, PixelSize view,
                       double ratio, Sizing sizing, std::span<PlacedLabel* const> captions = {});

}  // namespace led::platform::kit
