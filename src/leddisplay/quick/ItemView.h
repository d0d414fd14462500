// Internal: not installed.
#pragma once
// A QQuickItem as the view of the Qt surface, captions and container (HostView.h). A
// repaint marks the picture stale, so the item draws it again before its next sync
// (polish) and uploads a new texture. The palette is the item's (ItemPalette.h), the
// font the application's. What lies under the item is the scene's, blended there: the
// backdrop the control copies behind transparent digits is see-through (the surface
// keeps its alpha, ViewSurface::SetSeeThrough) and the item is its own container, at
// (0, 0), so the backdrop covers it whatever its place.
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>

#include "leddisplay/qt/HostView.h"
#include "leddisplay/quick/ItemPalette.h"

namespace led::quick {

class ItemView : public qt::HostView {
 public:
  explicit ItemView(QQuickItem& item) : item_(item) {}

  bool IsEnabled() const override { return item_.isEnabled(); }
  bool IsShown() const override {
    return item_.isVisible() && item_.window() != nullptr && item_.window()->isVisible();
  }
  void SetEnabled(bool enabled) override { item_.setEnabled(enabled); }
  void SetCursor(const QCursor* cursor) override {
    if (cursor)
      item_.setCursor(*cursor);
    else
      item_.unsetCursor();
  }
  QPalette Palette() const override { return ItemPalette(item_); }
  QPaintDevice* FontDevice() override { return nullptr; }
  QFont Font() const override { return QGuiApplication::font(); }
  QRect Geometry() const override { return QRect(QPoint(), item_.size().toSize()); }
  std::optional<Backdrop> ParentBackdrop() const override {
    return Backdrop{QBrush(Qt::transparent), QSize()};
  }

  bool stale = true;  // the picture needs drawing and uploading again

 protected:
  void RequestRepaint() override {
    stale = true;
    item_.polish();
    item_.update();
  }

 private:
  QQuickItem& item_;
};

}  // namespace led::quick
