// Internal: not installed.
#pragma once
// A QQuickItem as the view of the Qt surface, captions and container (HostView.h). A
// repaint marks the picture stale, so the item uploads a new texture at its next sync.
// Palette and font are the application's (an item has no palette of its own to give);
// what lies under the item is the scene's, blended there, so there is no backdrop.
#include <QGuiApplication>
#include <QQuickItem>

#include "leddisplay/qt/HostView.h"

namespace led::quick {

class ItemView : public qt::HostView {
 public:
  explicit ItemView(QQuickItem& item) : item_(item) {}

  void Repaint() override {
    stale = true;
    item_.update();
  }
  bool IsEnabled() const override { return item_.isEnabled(); }
  void SetEnabled(bool enabled) override { item_.setEnabled(enabled); }
  void SetCursor(const QCursor* cursor) override {
    if (cursor)
      item_.setCursor(*cursor);
    else
      item_.unsetCursor();
  }
  QPalette Palette() const override { return QGuiApplication::palette(); }
  QPaintDevice* FontDevice() override { return nullptr; }
  QFont Font() const override { return QGuiApplication::font(); }
  QRect Geometry() const override {
    return QRect(item_.position().toPoint(), item_.size().toSize());
  }
  std::optional<Backdrop> ParentBackdrop() const override { return std::nullopt; }

  bool stale = true;  // the picture needs drawing and uploading again

 private:
  QQuickItem& item_;
};

}  // namespace led::quick
