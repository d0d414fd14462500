#include "leddisplay/quick/ItemLayout.h"

#include <QtQml/qqml.h>
#include <QMetaType>
#include <cmath>
#include <limits>

namespace led::quick {

namespace {

// Qt Quick Layouts' attached object of `item` (where `Layout.fillWidth` and the rest
// live); none when the author used none, or when the module is not loaded. The layouts'
// base type, which attaches it, is found by its registered name: its header is not public.
QObject* LayoutAttached(QQuickItem* item) {
  const QMetaObject* type = QMetaType::fromName("QQuickLayout*").metaObject();
  if (!type) return nullptr;
  return qmlAttachedPropertiesObject(item, qmlAttachedPropertiesFunction(item, type), false);
}

}  // namespace

void ItemLayout::Attach(QQuickItem& item) {
  layout_ = LayoutAttached(&item);
}

void ItemLayout::Follow(std::optional<QSize> limit) {
  QObject* layout = layout_;
  if (limit == written_ || !layout) return;
  constexpr double kUnlimited = std::numeric_limits<double>::infinity();
  const auto follow = [&](const char* name, std::optional<int> before, std::optional<int> now) {
    const double current = layout->property(name).toDouble();
    const bool ours = std::isinf(current) || (before && current == double(*before));
    if (ours) layout->setProperty(name, now ? double(*now) : kUnlimited);
  };
  follow("maximumWidth", written_ ? std::optional(written_->width()) : std::nullopt,
         limit ? std::optional(limit->width()) : std::nullopt);
  follow("maximumHeight", written_ ? std::optional(written_->height()) : std::nullopt,
         limit ? std::optional(limit->height()) : std::nullopt);
  written_ = limit;
}

}  // namespace led::quick
