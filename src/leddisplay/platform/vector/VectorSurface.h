#pragma once
/// @file
/// A raster surface that also keeps its drawing as shapes: it paints its kept image
/// exactly as RasterSurface does (same state, rules, limits and errors) and records the
/// same drawing in a ShapeRecorder, so its picture can be written as a vector file and
/// as PNG alike. Lines become the rectangles of the pixels the raster rule paints
/// (clipped to the inner area) and merge into polygons; Cls becomes the back colour and
/// the picture (as the pixels Cls painted); its GDI (Gdi()) records gradient fills as
/// gradients and block copies onto the surface as pictures of the copied pixels.
/// Drawing without Cls adds shapes: a drawing is as long as what was drawn since.
#include <cstdint>
#include <span>

#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/platform/vector/ShapeRecorder.h"
#include "leddisplay/platform/vector/VectorGdi.h"

namespace led::platform {

/// A raster surface recording its drawing as shapes.
class VectorSurface : public RasterSurface {
 public:
  /// A surface in RasterSurface's starting state, with no shapes yet.
  VectorSurface();

  /// The device-context calls for this surface's host (see above).
  host::Gdi& Gdi() { return gdi_; }

  /// Recording is on from the start. Turning it off forgets the shapes (and the pictures
  /// copied into them); while off, the surface and its GDI paint as the raster ones alone;
  /// once on again, a Cls starts the shapes anew.
  void SetRecording(bool on) {
    recording_ = on;
    if (!on) recorder_ = ShapeRecorder();
  }

  /// The whole control as shapes: the border, then the inner area's shapes clipped to
  /// it, in pixels of the extent (as Compose() lays them out).
  Drawing Shapes();

  /// Drawn as RasterSurface draws them, and recorded (see above).
  ///@{
  void Line(float x1, float y1, float x2, float y2, core::OleColor color) override;
  void Lines(std::span<const host::LineCall> lines) override;
  void Cls() override;
  ///@}

  /// What VectorGdi reports once the call has drawn on this surface's kept image. A copy
  /// over the whole area that lets anything through (a see-through container behind a
  /// transparent control) replaces the shapes recorded before it, as its pixels replace
  /// the kept image's.
  ///@{
  void RecordGradient(std::span<const host::TriVertex> vertices,
                      std::span<const host::GradientMeshRect> mesh, uint32_t mode);
  void RecordCopy(int32_t x, int32_t y, int32_t width, int32_t height, int32_t xSrc, int32_t ySrc,
                  const Image& source);
  ///@}

 private:
  /// Brings the recorder's area to the inner image's size.
  void Sync();
  void Record(std::span<const host::LineCall> lines);
  /// The pixels of `rect` as the kept image holds them now, as a picture.
  void RecordPixels(const PixelRect& rect);

  ShapeRecorder recorder_;
  VectorGdi gdi_;
  bool recording_ = true;
};

}  // namespace led::platform
