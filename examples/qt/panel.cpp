// A small instrument panel: a counter that runs into over range, a voltmeter with
// captions on a gradient whose digits grow with the window (fitToSize), and a set point
// driven by a slider (its panel comes from a .ui file). `panel --grab FILE` writes the
// panel's picture as PNG and exits, `panel --print FILE` prints it into a PDF of its size
// and `panel --printer FILE` onto a printer's page (a PDF file), then exits;
// `panel --dark` shows it in the Fusion style with a dark palette, which the displays'
// borders and system colours follow.
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "leddisplay/widgets/LEDDisplayWidget.h"
#include "ui_SliderPanel.h"

using led::qt::LEDDisplayWidget;

namespace {

// `content` in a titled frame: centred at its own size, or filling the frame.
QGroupBox* Framed(const QString& title, QWidget* content, bool fill = false) {
  auto* box = new QGroupBox(title);
  auto* layout = new QVBoxLayout(box);
  if (fill)
    layout->addWidget(content);
  else
    layout->addWidget(content, 0, Qt::AlignCenter);
  return box;
}

LEDDisplayWidget* Counter() {
  auto* counter = new LEDDisplayWidget;
  counter->setDigits(3);
  counter->setDecimals(0);
  counter->setLeadingPlusMinus(false);
  counter->setUseOverRange(true);
  counter->setOnColor(QColor(64, 255, 96));
  counter->setOffColor(QColor(0, 48, 16));
  counter->setAutoSize(true);
  return counter;
}

LEDDisplayWidget* Voltmeter() {
  auto* meter = new LEDDisplayWidget;
  meter->setDigits(4);
  meter->setDecimals(2);
  meter->setBackGroundStyle(LEDDisplayWidget::Gradient_V);
  meter->setBackGroundG1(QColor(0, 0, 0));
  meter->setBackGroundG2(QColor(0, 48, 112));
  meter->setCaptionUpper("Supply");
  meter->setCaptionLow("volts DC");
  meter->setCaptionUpperForeColor(QColor(200, 220, 255));
  meter->setCaptionLowForeColor(QColor(200, 220, 255));
  // The digits and captions fit whatever room the layout gives, centred in it.
  meter->setFitToSize(true);
  meter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  return meter;
}

// A dark palette; the shades of 3D edges (Light, Midlight, Mid, Dark, Shadow) step
// around the button colour.
QPalette DarkPalette() {
  const QColor button(60, 63, 65), window(45, 47, 49), text(220, 220, 220);
  QPalette palette(button, window);
  const std::pair<QPalette::ColorRole, QColor> roles[] = {
      {QPalette::Light, QColor(92, 96, 99)},
      {QPalette::Midlight, QColor(76, 80, 82)},
      {QPalette::Mid, QColor(45, 47, 49)},
      {QPalette::Dark, QColor(30, 31, 33)},
      {QPalette::Shadow, QColor(12, 12, 13)},
      {QPalette::WindowText, text},
      {QPalette::Text, text},
      {QPalette::ButtonText, text},
      {QPalette::Base, QColor(30, 31, 33)},
      {QPalette::AlternateBase, window},
      {QPalette::ToolTipBase, button},
      {QPalette::ToolTipText, text},
      {QPalette::Highlight, QColor(42, 130, 218)},
      {QPalette::HighlightedText, Qt::white},
      {QPalette::Link, QColor(90, 160, 255)},
      {QPalette::BrightText, QColor(255, 90, 90)},
  };
  for (const auto& [role, color] : roles) palette.setColor(role, color);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
  return palette;
}

// The window as a one-page PDF of its size: at 72 dots an inch a widget pixel is a point,
// so the page is the window's size exactly (Qt keeps page sizes in whole points: three
// quarters of a pixel's count would round, leaving a sliver or cutting an edge). The
// displays paint themselves as shapes, sharp at any zoom.
bool Print(QWidget& window, const QString& path) {
  QPdfWriter pdf(path);
  pdf.setResolution(72);  // a widget pixel is a point: Qt keeps pages in whole points
  pdf.setPageMargins(QMarginsF());
  pdf.setPageSize(QPageSize(QSizeF(window.size()), QPageSize::Point));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  window.render(&painter);
  return painter.end();
}

// A recorded picture drawn `scale` device units to a widget pixel, its corner at the
// painter's origin.
void DrawRecorded(QPainter& painter, const QPicture& picture, double scale) {
  // drawPicture draws a widget pixel as 1/96 inch of the device (a QPicture counts
  // picture.logicalDpiX(), 96, dots an inch): undone here.
  const double units = scale * picture.logicalDpiX() / painter.device()->logicalDpiX();
  painter.save();
  painter.scale(units, units);
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

// The window as large as a printer's page takes it, here a PDF file: recorded into a
// QPicture, since QWidget::render paints a printer through one image of the window.
bool PrintOnPrinter(QWidget& window, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  QPicture picture;  // shapes and text: the displays draw their polygons into it
  window.render(&picture);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setRenderHint(QPainter::LosslessImageRendering);  // a style's small pictures
  const double fit = std::min(double(printer.width()) / window.width(),
                              double(printer.height()) / window.height());
  DrawRecorded(painter, picture, fit);  // dots a widget pixel, to fill the width or height
  return painter.end();
}

// The path after `option`; empty without one.
QString PathAfter(const QStringList& args, const QString& option) {
  const qsizetype at = args.indexOf(option);
  return at > 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QString grabPath = PathAfter(args, "--grab"), printPath = PathAfter(args, "--print"),
                printerPath = PathAfter(args, "--printer");
  if (args.contains("--dark")) {
    QApplication::setStyle("Fusion");
    QApplication::setPalette(DarkPalette());
  }

  QWidget window;
  window.setWindowTitle("leddisplay instrument panel");
  auto* row = new QHBoxLayout(&window);

  LEDDisplayWidget* counter = Counter();
  row->addWidget(Framed("Counter", counter));
  LEDDisplayWidget* meter = Voltmeter();
  row->addWidget(Framed("Voltmeter", meter, true), 1);

  auto* setPoint = new QGroupBox;
  Ui::SliderPanel ui;
  ui.setupUi(setPoint);
  QObject::connect(ui.slider, &QSlider::valueChanged,
                   [display = ui.display](int v) { display->setValue(v / 10.0); });
  ui.display->setValue(ui.slider->value() / 10.0);
  row->addWidget(setPoint);

  int count = 960;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    count = count >= 1100 ? 0 : count + 7;
    counter->setValue(count);
    meter->setValue(12.0 + 0.5 * std::sin(count / 20.0));
  });
  counter->setValue(1015);  // over range: the display shows "OR"
  meter->setValue(12.47);

  // Some room to spare, which the voltmeter's digits take.
  window.resize(window.sizeHint() + QSize(160, 60));
  if (!grabPath.isEmpty() || !printPath.isEmpty() || !printerPath.isEmpty()) {
    window.show();
    QApplication::processEvents();
    const bool written = !grabPath.isEmpty()    ? window.grab().save(grabPath)
                         : !printPath.isEmpty() ? Print(window, printPath)
                                                : PrintOnPrinter(window, printerPath);
    if (!written) {
      const QString path = !grabPath.isEmpty()    ? grabPath
                           : !printPath.isEmpty() ? printPath
                                                  : printerPath;
      std::fprintf(stderr, "panel: cannot write %s\n", qPrintable(path));
      return 1;
    }
    return 0;
  }
  timer.start(150);
  window.show();
  return app.exec();
}
