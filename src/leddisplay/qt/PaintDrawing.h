// Internal: not installed.
#pragma once
// The one place a drawing of shapes (platform/vector/Drawing.h) becomes QPainter calls,
// for painters on vector devices: polygons as filled paths (non-zero rule, no pen),
// gradients as linear gradients padded beyond their ends, pictures as images, each in
// its clip rectangle, in the painter's units (one unit a drawing unit). Text runs are
// not painted: the Qt hosts draw their captions as Qt text.
#include <QPainter>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::qt {

// Whether the display is painted as shapes: into a device that keeps shapes (PDF,
// printer, SVG, QPicture), or into pixels enlarged beyond the host's device pixel ratio
// `ratio` (a QImage under painter.scale(4, 4)), where the kept picture, drawn at that
// ratio, would show its pixels as blocks.
bool PaintsShapes(const QPainter& painter, double ratio);

// Paints the drawing's shapes in order; the painter's state is as before.
void PaintDrawing(QPainter& painter, const platform::Drawing& drawing);

}  // namespace led::qt
