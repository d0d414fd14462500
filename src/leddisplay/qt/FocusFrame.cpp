#include "leddisplay/qt/FocusFrame.h"

namespace led::qt {

// Four filled strips rather than a pen: a pen's width and placement depend on the
// painter's scale and rendering hints, a filled pixel does not.
void DrawFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette) {
  if (area.isEmpty()) return;
  const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
  const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
  painter.fillRect(QRect(x, y, w, 1), highlight);
  painter.fillRect(QRect(x, y + h - 1, w, 1), highlight);
  painter.fillRect(QRect(x, y, 1, h), highlight);
  painter.fillRect(QRect(x + w - 1, y, 1, h), highlight);
}

}  // namespace led::qt
