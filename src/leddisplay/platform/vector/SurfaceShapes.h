#pragma once
/// @file
/// What a RasterSurface is asked to draw, kept as shapes (Drawing.h) by the surface's own
/// rules and state, read at each call (scale mode, pen, colours, inner size, border), with
/// no pixels of its own. So it records beside a surface that keeps its image (a Qt view
/// painting on a printer) and one that keeps none (VectorSurface) alike; the owner hands
/// it each drawing call the surface was given.
///
/// Lines become the rectangles of the pixels the raster rule paints (LinePixels.h),
/// clipped to the inner area, and merge into polygons (ShapeRecorder.h); Cls becomes the
/// back colour and the picture (its pixels blended over the back colour, as Cls paints
/// them); a gradient fill a gradient between its end columns' (or rows') colours; a block
/// copy onto the surface a picture of the pixels it copies, taken from its source.
/// Drawing without Cls adds shapes: a drawing is as long as what was drawn since.
#include <cstdint>
#include <span>

#include "leddisplay/host/Gdi.h"
#include "leddisplay/host/Surface.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/platform/vector/ShapeRecorder.h"

namespace led::platform {

/// The shapes of one surface's drawing, from the calls it is handed.
class SurfaceShapes {
 public:
  /// No shapes yet; `surface` must outlive this object.
  explicit SurfaceShapes(RasterSurface& surface) : surface_(surface) {}

  /// Lines as the surface paints them, up to the first whose ends it refuses.
  void Lines(std::span<const host::LineCall> lines);
  /// The area as Cls leaves it: every shape before is forgotten.
  void Cls();
  /// A GradientFill that succeeded on the surface's device context.
  void Gradient(std::span<const host::TriVertex> vertices,
                std::span<const host::GradientMeshRect> mesh, uint32_t mode);
  /// A BitBlt that succeeded onto the surface's device context from `source`. A copy over
  /// the whole area that lets anything through (a see-through container behind a
  /// transparent control) forgets the shapes before it, as its pixels replace the image's.
  void Copy(int32_t x, int32_t y, int32_t width, int32_t height, int32_t xSrc, int32_t ySrc,
            const Image& source);

  /// The whole control: the border, then the inner area's shapes clipped to it, in pixels
  /// of the extent (as RasterSurface::Compose lays them out).
  Drawing Shapes();

 private:
  /// Brings the recorder's area to the surface's inner size.
  void Sync();
  /// The pixels of `rect` of `image` as a picture placed at (left, top) of the area.
  void AddPixels(const Image& image, const PixelRect& rect, int32_t left, int32_t top);

  RasterSurface& surface_;
  ShapeRecorder recorder_;
};

}  // namespace led::platform
