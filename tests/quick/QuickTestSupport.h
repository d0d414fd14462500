#pragma once
// The item as a QML program meets it: `import LedDisplay` in a QQuickView, the item
// created from QML text and shown in the view at its own size.
#include <QQmlComponent>
#include <QQuickView>
#include <memory>
#include <string>

#include "leddisplay/quick/LEDDisplayItem.h"

namespace led::test {

class ShownQml {
 public:
  // `qml` is a whole file: imports and one root item, read as if from `url` (relative
  // URLs in it resolve against that). A load error is a test failure.
  explicit ShownQml(const std::string& qml, const QUrl& url = QUrl());
  // The root item, or a child with that objectName.
  QQuickItem* Root() { return root_.get(); }
  quick::LEDDisplayItem* Display(const char* objectName = nullptr);
  // Sizes the window to the root item and shows it; Grab also returns its picture.
  void Show();
  QImage Grab();
  // Sizes the window to the root item, shows it and makes it the active window, where
  // keys go; false when it did not become active.
  bool ShowActive();
  QQuickWindow& Window() { return view_; }
  // The window's device pixels per item pixel.
  double Ratio() const { return view_.effectiveDevicePixelRatio(); }

 private:
  QQuickView view_;
  std::unique_ptr<QQuickItem> root_;
};

}  // namespace led::test
