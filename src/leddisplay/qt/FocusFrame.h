// Internal: not installed.
#pragma once
// The focus indicator: a solid 1-pixel frame in the palette's Highlight colour along the
// inside of the widget's edge, over the border's outer ring (or, without a border, the
// outermost pixels of the display). A style's own focus rectangle is made for text and
// buttons and differs by style (dotted, translucent, or none at all); a solid frame in
// the highlight colour shows on any back colour and covers none of the digits.
#include <QPainter>
#include <QPalette>
#include <QRect>

namespace led::qt {

// Draws the frame along the inside of `area` (logical pixels).
void DrawFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette);

}  // namespace led::qt
