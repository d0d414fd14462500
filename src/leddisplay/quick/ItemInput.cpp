// LEDDisplayItem: Qt Quick's input as the control's (qt::ControlInput, as the widget's),
// and the focus indicator following active focus.
#include <QHoverEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "leddisplay/quick/ItemHosting.h"
#include "leddisplay/quick/LEDDisplayItem.h"

namespace led::quick {

// An unswallowed key goes on to the parent item, as an unhandled one does.
void LEDDisplayItem::keyPressEvent(QKeyEvent* event) {
  bool swallowed = false;
  d_->Guard([&] { swallowed = d_->input.KeyPress(*event); });
  event->setAccepted(swallowed);
}

void LEDDisplayItem::keyReleaseEvent(QKeyEvent* event) {
  d_->Guard([&] { d_->input.KeyRelease(*event); });
  event->ignore();
}

// The press is accepted so that the move and release come here too. An item that takes
// Tab stops takes focus on a click as well, as a widget with a strong focus policy does.
void LEDDisplayItem::mousePressEvent(QMouseEvent* event) {
  if (activeFocusOnTab()) forceActiveFocus(Qt::MouseFocusReason);
  d_->Guard([&] { d_->input.MousePress(event->button(), event->modifiers(), event->position()); });
  event->accept();
}

void LEDDisplayItem::mouseMoveEvent(QMouseEvent* event) {
  d_->Guard([&] { d_->input.MouseMove(event->buttons(), event->modifiers(), event->position()); });
}

void LEDDisplayItem::mouseReleaseEvent(QMouseEvent* event) {
  const bool inside = contains(event->position());
  d_->Guard([&] {
    d_->input.MouseRelease(event->button(), event->modifiers(), event->position(), inside);
  });
}

void LEDDisplayItem::mouseDoubleClickEvent(QMouseEvent* event) {
  d_->Guard(
      [&] { d_->input.MouseDoubleClick(event->button(), event->modifiers(), event->position()); });
  event->accept();
}

// The pointer moving over the item with no button held, as the widget's mouse tracking.
void LEDDisplayItem::hoverMoveEvent(QHoverEvent* event) {
  d_->Guard([&] { d_->input.MouseMove(Qt::NoButton, event->modifiers(), event->position()); });
}

void LEDDisplayItem::focusInEvent(QFocusEvent* event) {
  QQuickItem::focusInEvent(event);
  d_->itemView.Repaint();
}

void LEDDisplayItem::focusOutEvent(QFocusEvent* event) {
  QQuickItem::focusOutEvent(event);
  d_->itemView.Repaint();
}

}  // namespace led::quick
