#include "leddisplay/qt/Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "leddisplay/qt/LEDDisplayWidget.h"

namespace led::qt {

namespace {

class LEDDisplayAccessible : public QAccessibleWidget {
 public:
  explicit LEDDisplayAccessible(LEDDisplayWidget* widget)
      : QAccessibleWidget(widget, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const auto* display = static_cast<const LEDDisplayWidget*>(widget());
    if (t == QAccessible::Value) return display->shownText();
    if (t == QAccessible::Name) {
      if (!display->accessibleName().isEmpty()) return display->accessibleName();
      QStringList captions;
      if (!display->captionUpper().isEmpty()) captions << display->captionUpper();
      if (!display->captionLow().isEmpty()) captions << display->captionLow();
      return captions.join(QLatin1Char(' '));
    }
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
