// A small instrument panel: a counter that runs into over range, a voltmeter with
// captions on a gradient whose digits grow with the window (fitToSize), and a set point
// driven by a slider (its panel comes from a .ui file). `panel --grab FILE` writes the
// panel's picture as PNG and exits.
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTimer>
#include <cmath>
#include <cstdio>

#include "leddisplay/qt/LEDDisplayWidget.h"
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

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const qsizetype grabAt = args.indexOf("--grab");
  const QString grabPath = grabAt > 0 && grabAt + 1 < args.size() ? args[grabAt + 1] : QString();

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
  if (!grabPath.isEmpty()) {
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(grabPath)) {
      std::fprintf(stderr, "panel: cannot write %s\n", qPrintable(grabPath));
      return 1;
    }
    return 0;
  }
  timer.start(150);
  window.show();
  return app.exec();
}
