// Internal: not installed.
#pragma once
// How a disabled widget shows the control: every line the control draws is painted
// halfway toward the unlit colour (each channel (line + unlit + 1) / 2), so lit segments
// dim while unlit ones stay exactly as they are; captions are drawn in the palette's
// disabled WindowText colour. Backgrounds and the border are unchanged.
#include <QColor>
#include <QPalette>

#include "leddisplay/core/OleColor.h"

namespace led::qt {

// Both colours are RGB values (red in bits 0-7).
core::OleColor DisabledLineColor(core::OleColor rgb, core::OleColor unlit);
QColor DisabledCaptionColor(const QPalette& palette);

}  // namespace led::qt
