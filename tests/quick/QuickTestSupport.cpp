#include "QuickTestSupport.h"

#include <gtest/gtest.h>

#include <QQmlEngine>
#include <QTest>

namespace led::test {

ShownQml::ShownQml(const std::string& qml, const QUrl& url) {
  QQmlComponent component(view_.engine());
  component.setData(QByteArray::fromStdString(qml), url);
  if (component.isReady()) root_.reset(qobject_cast<QQuickItem*>(component.create()));
  if (!root_) {
    ADD_FAILURE() << component.errorString().toStdString();
    root_ = std::make_unique<QQuickItem>();
  }
  root_->setParentItem(view_.contentItem());
}

quick::LEDDisplayItem* ShownQml::Display(const char* objectName) {
  if (!objectName) return qobject_cast<quick::LEDDisplayItem*>(root_.get());
  return root_->findChild<quick::LEDDisplayItem*>(QString::fromUtf8(objectName));
}

void ShownQml::Show() {
  view_.resize(root_->size().toSize());
  view_.show();
}

QImage ShownQml::Grab() {
  Show();
  return view_.grabWindow();
}

bool ShownQml::ShowActive() {
  view_.resize(root_->size().toSize());
  view_.show();
  view_.requestActivate();
  return QTest::qWaitForWindowActive(&view_);
}

}  // namespace led::test
