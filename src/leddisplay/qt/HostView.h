// Internal: not installed.
#pragma once
// What the Qt surface, caption labels and container need of the thing they show on (a
// widget or a Qt Quick item): a repaint, its enabled state, its cursor, its palette and
// font, a paint device whose resolution measures fonts, its place and size in its parent
// and what the parent shows. Each front end gives its own (the widget's, the item's).
// Repaints can be held: while the host draws the display aside (at another zoom, for a
// painter that scales) its passes ask for none, since what the view shows stays.
#include <QBrush>
#include <QCursor>
#include <QFont>
#include <QPaintDevice>
#include <QPalette>
#include <QRect>
#include <optional>

namespace led::qt {

class HostView {
 public:
  virtual ~HostView() = default;
  // Asks the front end to paint again, unless repaints are held.
  void Repaint() {
    if (!held_) RequestRepaint();
  }
  void HoldRepaints(bool held) { held_ = held; }
  virtual bool IsEnabled() const = 0;
  // Whether the view is shown (a hidden one keeps no timer running).
  virtual bool IsShown() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // No cursor: the view's default one.
  virtual void SetCursor(const QCursor* cursor) = 0;
  virtual QPalette Palette() const = 0;
  // Null: the screen's default resolution.
  virtual QPaintDevice* FontDevice() = 0;
  virtual QFont Font() const = 0;
  // The view's box in its parent, in the view's pixels.
  virtual QRect Geometry() const = 0;
  // What the parent paints behind its children (its window brush) and its size; none
  // without a parent that paints one.
  struct Backdrop {
    QBrush window;
    QSize size;
  };
  virtual std::optional<Backdrop> ParentBackdrop() const = 0;

 protected:
  virtual void RequestRepaint() = 0;

 private:
  bool held_ = false;
};

}  // namespace led::qt
