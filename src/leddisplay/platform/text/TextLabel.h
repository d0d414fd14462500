#pragma once
/// @file
/// A caption label on a surface (a PlacedLabel): transparent, sized to its text as
/// FreeType measures it at 1440 / TwipsPerPixel dots per inch of the surface. An empty
/// caption keeps the height of one line and has width 0; "\n" starts a new line and
/// Alignment (0 left, 1 right, 2 centre) places each line inside the label's width.
#include <cstdint>
#include <string>

#include "leddisplay/host/Surface.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/PlacedLabel.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/text/TextPlacement.h"

namespace led::platform {

/// The platform's caption label: text drawn with FreeType into the surface's image.
class TextLabel : public PlacedLabel {
 public:
  /// `surface` must outlive the label; its system colours resolve the label's.
  TextLabel(RasterSurface& surface, std::string caption);

  /// ForeColor as the label draws it: a system colour looked up in its surface's table
  /// (RasterSurface::Resolve), as the surface's own border and lines are; the surface's
  /// grey text colour while it shows the disabled look.
  core::OleColor DrawnColor() const;

  /// The text's size in pixels, as measured for the current caption and font.
  ///@{
  int32_t PixelWidth() override;
  int32_t PixelHeight() override;
  ///@}

  /// Draws the text, anti-aliased in DrawnColor(), at its place
  /// (rounded to whole pixels) plus the origin offset; clipped to the image and `clip`.
  void DrawOnto(Image& image, int32_t originX, int32_t originY, const PixelRect& clip = kAnywhere);
  /// The text as DrawOnto draws it with the same origin, laid out in pixels of that
  /// image (no lines when the place is beyond 32-bit pixels); drawn in DrawnColor().
  TextPlacement Place(int32_t originX, int32_t originY);

 private:
  double Dpi();
  /// The text's top-left in pixels for an origin; false when too far to draw.
  bool TopLeft(int32_t originX, int32_t originY, int64_t& x, int64_t& y) const;

  const RasterSurface& raster_;  // the same surface, for its system colours
};

}  // namespace led::platform
