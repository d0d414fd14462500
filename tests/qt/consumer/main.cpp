// A program that finds the installed widget with find_package(leddisplay COMPONENTS Qt)
// and shows a value with it.
#include <QApplication>
#include <cstdio>

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
  std::printf("consumer: %s\n", qPrintable(display.shownText()));
  return 0;
}
