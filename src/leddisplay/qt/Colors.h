// Internal: not installed.
#pragma once
// Colours between the control's 32-bit OLE colours and QColor. A plain colour (bit 31
// clear) is the opaque QColor of its red, green and blue; a system colour reads as its
// current entry in the platform's system colour table. A QColor becomes a plain
// colour; an invalid or not fully opaque QColor is refused with core::RuntimeError 380.
#include <QColor>

#include "leddisplay/core/OleColor.h"

namespace led::qt {

QColor ToQColor(core::OleColor color);
core::OleColor FromQColor(const QColor& color);

}  // namespace led::qt
