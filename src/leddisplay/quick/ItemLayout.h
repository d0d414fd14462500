// Internal: not installed.
#pragma once
// An auto-sized item in a Qt Quick layout: Layout.maximumWidth and maximumHeight follow
// its implicit size, so a stretching layout (Layout.fillWidth) leaves the display its
// own size and gives the room to other items; a maximum the QML author set stays theirs.
#include <QQuickItem>
#include <QSize>
#include <optional>

namespace led::quick {

class ItemLayout {
 public:
  // Sets the maxima to `limit`, or with none back to unlimited, on the item's Layout
  // attached object when it has one; each maximum only while it is unlimited or the one
  // written here last (the author's own is kept).
  void Follow(QQuickItem& item, std::optional<QSize> limit);

 private:
  std::optional<QSize> written_;
};

}  // namespace led::quick
