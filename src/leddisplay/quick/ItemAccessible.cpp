#include "leddisplay/quick/ItemAccessible.h"

#include <QtQml/qqml.h>
#include <QAccessible>
#include <QAccessibleObject>
#include <QMetaType>
#include <QQuickWindow>

#include "leddisplay/qt/AccessibleName.h"
#include "leddisplay/quick/LEDDisplayItem.h"

namespace led::quick {

namespace {

// Qt Quick's Accessible attached object of `item` (where `Accessible.name` and the rest
// live), made when `create`; none when there is none yet, or when Qt Quick's type is not
// registered. The type is found by its registered name: its header is not public.
QObject* AccessibleAttached(QQuickItem* item, bool create) {
  const QMetaObject* type = QMetaType::fromName("QQuickAccessibleAttached*").metaObject();
  if (!type) return nullptr;
  return qmlAttachedPropertiesObject(item, qmlAttachedPropertiesFunction(item, type), create);
}

// The name the QML author gave the item (`Accessible.name`); empty without one.
QString GivenName(QQuickItem* item) {
  const QObject* attached = AccessibleAttached(item, false);
  return attached ? attached->property("name").toString() : QString();
}

class ItemAccessible : public QAccessibleObject {
 public:
  explicit ItemAccessible(LEDDisplayItem* item) : QAccessibleObject(item) {}

  QWindow* window() const override { return Item()->window(); }

  // The nearest ancestor that assistive tools see, else the window.
  QAccessibleInterface* parent() const override {
    QQuickWindow* window = Item()->window();
    for (QQuickItem* up = Item()->parentItem(); up; up = up->parentItem()) {
      if (window && up == window->contentItem()) break;
      if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(up)) return face;
    }
    return window ? QAccessible::queryAccessibleInterface(window) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    LEDDisplayItem* item = Item();
    if (t == QAccessible::Value) return item->shownText();
    if (t == QAccessible::Description) {
      const QString band = qt::BandDescription(item->valueBand());
      return band.isEmpty() ? item->shownText() : item->shownText() + QStringLiteral(", ") + band;
    }
    if (t != QAccessible::Name) return QString();
    return qt::AccessibleName(GivenName(item), item->captionUpper(), item->captionLow());
  }
  void setText(QAccessible::Text, const QString&) override {}

  QAccessible::Role role() const override { return QAccessible::StaticText; }

  QAccessible::State state() const override {
    QAccessible::State state;
    const LEDDisplayItem* item = Item();
    state.invisible = !item->window() || !item->window()->isVisible() || !item->isVisible() ||
                      qFuzzyIsNull(item->opacity());
    state.disabled = !item->isEnabled();
    state.focusable = item->activeFocusOnTab() || item->hasFocus();
    state.focused = item->hasActiveFocus();
    return state;
  }

  // The item's box on the screen.
  QRect rect() const override {
    const LEDDisplayItem* item = Item();
    if (!item->window()) return QRect();
    const QRectF scene = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    return QRect(item->window()->mapToGlobal(scene.topLeft().toPoint()), scene.size().toSize());
  }

 private:
  LEDDisplayItem* Item() const { return static_cast<LEDDisplayItem*>(object()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String(LEDDisplayItem::staticMetaObject.className())) return nullptr;
  auto* item = qobject_cast<LEDDisplayItem*>(object);
  return item ? new ItemAccessible(item) : nullptr;
}

// Only a listening assistive tool needs the texts worked out.
void Announce(LEDDisplayItem* item, QAccessible::Event type) {
  if (!QAccessible::isActive()) return;
  if (type == QAccessible::ValueChanged) {
    QAccessibleValueChangeEvent event(item, item->shownText());
    QAccessible::updateAccessibility(&event);
  } else {
    QAccessibleEvent event(item, type);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace

void StartAccessibility(LEDDisplayItem& item) {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
  LEDDisplayItem* shown = &item;
  // A caption names the item only when the author gave it no name.
  const auto nameChanged = [shown] {
    if (GivenName(shown).isEmpty()) Announce(shown, QAccessible::NameChanged);
  };
  QObject::connect(shown, &LEDDisplayItem::captionUpperChanged, shown, nameChanged);
  QObject::connect(shown, &LEDDisplayItem::captionLowChanged, shown, nameChanged);
  // Qt Quick's Accessible object announces a new value itself (it follows valueChanged);
  // the description is the shown text.
  QObject::connect(shown, &LEDDisplayItem::shownTextChanged, shown, [shown] {
    if (!AccessibleAttached(shown, false)) Announce(shown, QAccessible::ValueChanged);
    Announce(shown, QAccessible::DescriptionChanged);
  });
}

// An attached object the author did not make is given the role the item has.
void JoinAccessibleTree(LEDDisplayItem& item) {
  if (AccessibleAttached(&item, false)) return;
  if (QObject* attached = AccessibleAttached(&item, true))
    attached->setProperty("role", QVariant::fromValue(QAccessible::StaticText));
}

}  // namespace led::quick
