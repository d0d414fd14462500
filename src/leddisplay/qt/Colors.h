// Internal: not installed.
#pragma once
// Colours between the control's 32-bit OLE colours and QColor. A colour reads as the
// opaque QColor a surface draws it in: a plain colour (bit 31 clear) its red, green and
// blue, a system colour its entry in the surface's system colour table. A QColor becomes
// a plain colour; an invalid or not fully opaque QColor is refused with
// core::RuntimeError 380.
#include <QColor>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::qt {

QColor ToQColor(core::OleColor color, const platform::RasterSurface& surface);
core::OleColor FromQColor(const QColor& color);

}  // namespace led::qt
