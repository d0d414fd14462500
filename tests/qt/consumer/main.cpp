// A program that finds the installed widget with find_package(leddisplay COMPONENTS Qt)
// and shows a value with it; with the installed Designer plugin on QT_PLUGIN_PATH, the
// widget QUiLoader makes through the plugin is of the same class.
#include <QApplication>
#include <cstdio>
#include <memory>
#ifdef CONSUMER_UITOOLS
#include <QUiLoader>
#endif

#include "leddisplay/qt/LEDDisplayWidget.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  led::qt::LEDDisplayWidget display;
  display.setDecimals(1);
  display.setValue(-2.5);
  const QImage image = display.grab().toImage();
  if (display.shownText() != "-002.5" || image.size() != display.size()) {
    std::fprintf(stderr, "consumer: shows \"%s\"\n", qPrintable(display.shownText()));
    return 1;
  }
#ifdef CONSUMER_UITOOLS
  if (!qEnvironmentVariableIsEmpty("QT_PLUGIN_PATH")) {
    QUiLoader loader;
    std::unique_ptr<QWidget> made(loader.createWidget("led::qt::LEDDisplayWidget"));
    if (!qobject_cast<led::qt::LEDDisplayWidget*>(made.get())) {
      std::fprintf(stderr, "consumer: the Designer plugin gives %s\n",
                   made ? made->metaObject()->className() : "no widget");
      return 1;
    }
    std::printf("consumer: the Designer plugin's widget is ours\n");
  }
#endif
  std::printf("consumer: %s\n", qPrintable(display.shownText()));
  return 0;
}
