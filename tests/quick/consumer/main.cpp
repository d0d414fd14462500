// Loads Gauge.qml, which imports LedDisplay from the installed module and binds a
// display to a Slider, and checks that the display's value, shown text and picture
// follow the slider.
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <cstdio>
#include <memory>

#include "leddisplay/quick/LEDDisplayItem.h"

namespace {

int Fail(const char* what, const QString& detail = {}) {
  std::fprintf(stderr, "consumer: %s %s\n", what, qPrintable(detail));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // The module as installed: its qmldir, found by the engine on the import path.
  const QString moduleDir = QStringLiteral(LED_QML_DIR "/LedDisplay");
  if (!QFile::exists(moduleDir + QStringLiteral("/qmldir"))) return Fail("no qmldir in", moduleDir);
  QQmlEngine engine;
  engine.addImportPath(QStringLiteral(LED_QML_DIR));
  QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(LED_GAUGE_QML)));
  std::unique_ptr<QQuickItem> root(qobject_cast<QQuickItem*>(component.create()));
  if (!root) return Fail("cannot load Gauge.qml:", component.errorString());
  QObject* slider = root->findChild<QObject*>(QStringLiteral("slider"));
  auto* display = root->findChild<led::quick::LEDDisplayItem*>(QStringLiteral("display"));
  if (!slider || !display) return Fail("Gauge.qml has no slider or display");

  QQuickWindow window;
  root->setParentItem(window.contentItem());
  window.resize(root->size().toSize());
  window.show();
  const QString before = display->shownText();
  const QImage drawnBefore = window.grabWindow();
  if (display->value() != 12.5 || display->digits() != 4 || before.isEmpty())
    return Fail("the display starts at", before);

  slider->setProperty("value", 87.25);
  const QString after = display->shownText();
  if (display->value() != 87.25 || after == before || !after.contains(QStringLiteral("87.25")))
    return Fail("after the slider moved to 87.25 the display shows", after);
  if (window.grabWindow() == drawnBefore) return Fail("the display's picture did not change");
  std::printf("consumer: LEDDisplay follows the slider from \"%s\" to \"%s\"\n", qPrintable(before),
              qPrintable(after));
  return 0;
}
