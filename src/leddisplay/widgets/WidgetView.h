// Internal: not installed.
#pragma once
// A QWidget as the view of the Qt surface and captions (HostView.h).
#include <QWidget>

#include "leddisplay/qt/HostView.h"

namespace led::qt {

class WidgetView : public HostView {
 public:
  explicit WidgetView(QWidget& widget) : widget_(widget) {}

  bool IsEnabled() const override { return widget_.isEnabled(); }
  bool IsShown() const override { return widget_.isVisible(); }
  void SetEnabled(bool enabled) override { widget_.setEnabled(enabled); }
  void SetCursor(const QCursor* cursor) override {
    if (cursor)
      widget_.setCursor(*cursor);
    else
      widget_.unsetCursor();
  }
  QPalette Palette() const override { return widget_.palette(); }
  QPaintDevice* FontDevice() override { return &widget_; }
  QFont Font() const override { return widget_.font(); }
  QRect Geometry() const override { return widget_.geometry(); }
  std::optional<Backdrop> ParentBackdrop() const override {
    const QWidget* parent = widget_.parentWidget();
    if (!parent) return std::nullopt;
    return Backdrop{parent->palette().window(), parent->size()};
  }

 protected:
  void RequestRepaint() override { widget_.update(); }

 private:
  QWidget& widget_;
};

}  // namespace led::qt
