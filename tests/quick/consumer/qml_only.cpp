// A program that only loads QML: it links Qt Quick and nothing of ours, puts the installed
// module's folder on its engine's import path and loads Readout.qml, then checks that the
// root is our display and reads back the digits and value the file gives it.
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QQmlEngine engine;
  engine.addImportPath(QStringLiteral(LED_QML_DIR));
  QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(LED_READOUT_QML)));
  std::unique_ptr<QObject> root(component.create());
  if (!qobject_cast<QQuickItem*>(root.get())) {
    std::fprintf(stderr, "qml_only: cannot load Readout.qml: %s\n",
                 qPrintable(component.errorString()));
    return 1;
  }
  // Our item, known here by its class name alone.
  if (!root->inherits("led::quick::LEDDisplayItem")) {
    std::fprintf(stderr, "qml_only: Readout.qml made a %s, not a LEDDisplay\n",
                 root->metaObject()->className());
    return 1;
  }
  const QVariant digits = root->property("digits");
  const QVariant value = root->property("value");
  if (digits != QVariant(7) || value != QVariant(1234.5)) {
    std::fprintf(stderr, "qml_only: the display reads back digits %s, value %s (not 7, 1234.5)\n",
                 qPrintable(digits.toString()), qPrintable(value.toString()));
    return 1;
  }
  std::printf("qml_only: a LEDDisplay from Readout.qml, digits %d, value %g\n", digits.toInt(),
              value.toDouble());
  return 0;
}
