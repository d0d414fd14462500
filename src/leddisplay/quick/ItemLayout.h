// Internal: not installed.
#pragma once
// An auto-sized item in a Qt Quick layout: Layout.maximumWidth and maximumHeight follow
// its implicit size, so a stretching layout (Layout.fillWidth) leaves the display its
// own size and gives the room to other items; a maximum the QML author set stays theirs.
#include <QPointer>
#include <QQuickItem>
#include <QSize>
#include <optional>

namespace led::quick {

class ItemLayout {
 public:
  // Finds the item's Layout attached object, once QML made the item (its attached
  // properties are set by then); none when the author used none.
  void Attach(QQuickItem& item);
  // Sets the maxima to `limit`, or with none back to unlimited, on the attached object
  // when there is one; each maximum only while it is unlimited or the one written here
  // last (the author's own is kept).
  void Follow(std::optional<QSize> limit);

 private:
  QPointer<QObject> layout_;
  std::optional<QSize> written_;
};

}  // namespace led::quick
