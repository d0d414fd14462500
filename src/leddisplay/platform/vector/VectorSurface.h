#pragma once
/// @file
/// The surface of vector output: a RasterSurface that keeps no pixels (the same state,
/// rules and errors, the limits of a surface without an image) whose drawing is kept as
/// shapes (SurfaceShapes), so that its picture is written as a vector file at any size
/// without the memory of an image. Its GDI (Gdi()) records gradient fills and block
/// copies onto it; a block copy's pixels come from the copied picture.
#include <span>

#include "leddisplay/host/Gdi.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/platform/vector/SurfaceShapes.h"
#include "leddisplay/platform/vector/VectorGdi.h"

namespace led::platform {

/// A surface recording its drawing as shapes, keeping no pixels.
class VectorSurface : public RasterSurface {
 public:
  /// A surface in RasterSurface's starting state, with no shapes yet.
  VectorSurface();

  /// The device-context calls for this surface's host (see above).
  host::Gdi& Gdi() { return gdi_; }

  /// The whole control as shapes (SurfaceShapes::Shapes).
  Drawing Shapes() { return shapes_.Shapes(); }

  /// Recorded, with RasterSurface's checks and errors.
  ///@{
  void Line(float x1, float y1, float x2, float y2, core::OleColor color) override;
  void Lines(std::span<const host::LineCall> lines) override;
  void Cls() override;
  ///@}

 private:
  SurfaceShapes shapes_;
  VectorGdi gdi_;
};

}  // namespace led::platform
