#include "leddisplay/widgets/WidgetAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "leddisplay/qt/AccessibleName.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led::qt {

namespace {

class LEDDisplayAccessible : public QAccessibleWidget {
 public:
  explicit LEDDisplayAccessible(LEDDisplayWidget* widget)
      : QAccessibleWidget(widget, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const auto* display = static_cast<const LEDDisplayWidget*>(widget());
    if (t == QAccessible::Value) return display->shownText();
    if (t == QAccessible::Description && display->valueBand() != LEDDisplayWidget::Within)
      return BandDescription(display->valueBand());
    if (t == QAccessible::Name)
      return AccessibleName(display->accessibleName(), display->captionUpper(),
                            display->captionLow());
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String(LEDDisplayWidget::staticMetaObject.className())) return nullptr;
  auto* widget = qobject_cast<LEDDisplayWidget*>(object);
  return widget ? new LEDDisplayAccessible(widget) : nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace led::qt
