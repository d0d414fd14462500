#pragma once
/// @file
/// A Form (Form.h) whose surface keeps its drawing as shapes and no pixels
/// (VectorSurface), so that the control is written as SVG or PDF at any size without the
/// memory of an image: the border, surface and captions a Form's Snapshot() shows, with
/// the segments as polygons, gradients as gradients, pictures as images and captions as
/// text in their font. Writing follows VectorFile.h (sizes, errors 481 and 75, "-" for
/// standard output). Having no pixels, it writes no PNG: Snapshot(), Frame() and
/// WriteSnapshotPng raise 5 (a Form draws the PNG of the same control).
#include <iosfwd>
#include <string>

#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/platform/vector/SnapshotFormat.h"
#include "leddisplay/platform/vector/VectorSurface.h"

namespace led::platform {

/// A headless form with one control's host, drawing as shapes.
class VectorForm : public Form {
 public:
  /// A form as Form() makes it, its surface a VectorSurface.
  VectorForm();

  /// The control as shapes: border, surface and both captions, clipped as on screen.
  Drawing Shapes();

  /// The snapshot as SVG or PDF, to a file or a stream.
  ///@{
  void WriteSnapshotSvg(const std::string& path);
  void WriteSnapshotPdf(const std::string& path);
  void WriteSnapshotSvg(std::ostream& out);
  void WriteSnapshotPdf(std::ostream& out);
  ///@}
  /// The snapshot in the format the path's extension names, SVG or PDF (SnapshotFormatOf:
  /// 5 for PNG or an unknown one, before anything is written).
  void WriteSnapshot(const std::string& path);

 private:
  explicit VectorForm(VectorSurface* surface);

  VectorSurface& vector_;
};

}  // namespace led::platform
