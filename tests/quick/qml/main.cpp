// Runs the QML test cases (tst_*.qml in this folder) with the LedDisplay module from the
// build tree on each engine's import path, on the offscreen platform unless one is set.
#include <QQmlEngine>
#include <QtQuickTest>

class Setup : public QObject {
  Q_OBJECT

 public slots:
  void qmlEngineAvailable(QQmlEngine* engine) {
    engine->addImportPath(QStringLiteral(LED_QML_DIR));
  }
};

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTEST_SET_MAIN_SOURCE_PATH
  Setup setup;
  return quick_test_main_with_setup(argc, argv, "leddisplay_qml", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "main.moc"
