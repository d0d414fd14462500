#pragma once
/// @file
/// A drawing of shapes (platform/vector/Drawing.h) painted through a QPainter, as the
/// widget prints itself: polygons as filled paths (non-zero rule, no pen), gradients as
/// linear gradients padded beyond their ends, pictures as images kept lossless and
/// sampled without smoothing, each in its clip rectangle, in the painter's units (one
/// unit a drawing unit). Text runs are not painted: the Qt hosts draw their captions as
/// Qt text. To print several displays on one page of one's own, paint each display's
/// shapes (platform::VectorForm::Shapes(), or a Drawing composed with AppendMoved) with
/// the painter translated to its place.
#include <QPainter>

#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/qt/Export.h"

namespace led::qt {

/// Whether the display is painted as shapes: into a device that keeps shapes (PDF,
/// printer, SVG, QPicture), or into pixels enlarged beyond the host's device pixel ratio
/// `ratio` (a QImage under painter.scale(4, 4)). For enlarged pixels the hosts first draw
/// the display anew at that density, and paint shapes only when the surface cannot hold
/// that many pixels or the transform turns or stretches.
LEDDISPLAY_QT_EXPORT bool PaintsShapes(const QPainter& painter, double ratio);

/// Paints the drawing's shapes in order (platform::WalkDrawing); the painter's state is
/// as before.
LEDDISPLAY_QT_EXPORT void PaintDrawing(QPainter& painter, const platform::Drawing& drawing);

}  // namespace led::qt
