// Loads `import LedDisplay` from the installed module and checks that the display shows
// the value it is given.
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <cstdio>
#include <memory>

#include "leddisplay/quick/LEDDisplayItem.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // The module as installed: its qmldir, found by the engine on the import path.
  const QString moduleDir = QStringLiteral(LED_QML_DIR "/LedDisplay");
  if (!QFile::exists(moduleDir + QStringLiteral("/qmldir"))) {
    std::fprintf(stderr, "consumer: no qmldir in %s\n", qPrintable(moduleDir));
    return 1;
  }
  QQmlEngine engine;
  engine.addImportPath(QStringLiteral(LED_QML_DIR));
  QQmlComponent component(&engine);
  component.setData("import LedDisplay\nLEDDisplay { digits: 4; decimals: 2; value: 12.5 }",
                    QUrl());
  const std::unique_ptr<QObject> object(component.create());
  auto* display = qobject_cast<led::quick::LEDDisplayItem*>(object.get());
  if (!display) {
    std::fprintf(stderr, "consumer: %s\n", qPrintable(component.errorString()));
    return 1;
  }
  if (display->value() != 12.5 || display->digits() != 4 || display->shownText().isEmpty()) {
    std::fprintf(stderr, "consumer: the display shows \"%s\"\n", qPrintable(display->shownText()));
    return 1;
  }
  std::printf("consumer: LEDDisplay shows %s\n", qPrintable(display->shownText()));
  return 0;
}
