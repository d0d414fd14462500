// Internal: not installed.
#pragma once
// How a disabled widget shows the control: every line the control draws is painted
// halfway toward the unlit colour (platform::DisabledLineColor), so lit segments dim
// while unlit ones stay exactly as they are; captions are drawn in the palette's
// disabled WindowText colour. Backgrounds and the border are unchanged.
#include <QColor>
#include <QPalette>

namespace led::qt {

QColor DisabledCaptionColor(const QPalette& palette);

}  // namespace led::qt
