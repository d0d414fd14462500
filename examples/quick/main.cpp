// The QML instrument panel: Panel.qml's displays, loaded with `import LedDisplay` from
// the build tree's module. `quick_panel --grab FILE` writes the window's picture as PNG
// and exits, so it runs without a screen.
#include <QGuiApplication>
#include <QImage>
#include <QQmlEngine>
#include <QQuickView>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  const qsizetype grabAt = args.indexOf("--grab");
  const QString grabPath = grabAt > 0 && grabAt + 1 < args.size() ? args[grabAt + 1] : QString();

  QQuickView view;
  view.engine()->addImportPath(QStringLiteral(LED_QML_DIR));
  view.setTitle("leddisplay QML instrument panel");
  view.setResizeMode(QQuickView::SizeViewToRootObject);
  view.setSource(QUrl(QStringLiteral("qrc:/Panel.qml")));
  if (view.status() != QQuickView::Ready) {
    for (const QQmlError& error : view.errors())
      std::fprintf(stderr, "quick_panel: %s\n", qPrintable(error.toString()));
    return 1;
  }
  view.show();
  if (!grabPath.isEmpty()) {
    // The window takes its screen's device pixel ratio once it is exposed: grab after.
    while (!view.isExposed()) QGuiApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QGuiApplication::processEvents();
    if (!view.grabWindow().save(grabPath)) {
      std::fprintf(stderr, "quick_panel: cannot write %s\n", qPrintable(grabPath));
      return 1;
    }
    return 0;
  }
  return app.exec();
}
