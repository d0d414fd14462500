#pragma once
/// @file
/// A Form (Form.h) whose surface also keeps its drawing as shapes (VectorSurface), so
/// that the control is written as SVG or PDF as well as PNG: the same border, surface
/// and captions as Snapshot(), with the segments as polygons, gradients as gradients,
/// pictures as images and captions as text in their font. Writing follows VectorFile.h
/// (sizes, errors 481 and 75, "-" for standard output).
#include <iosfwd>
#include <string>

#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/platform/vector/SnapshotFormat.h"
#include "leddisplay/platform/vector/VectorSurface.h"

namespace led::platform {

/// A headless form with one control's host, drawing as pixels and as shapes.
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
  /// The snapshot in the format the path's extension names (SnapshotFormatOf: 5 for an
  /// unknown one, before anything is written).
  void WriteSnapshot(const std::string& path);

 private:
  explicit VectorForm(VectorSurface* surface);

  VectorSurface& vector_;
};

}  // namespace led::platform
