#include "LEDDisplayPlugin.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led::qt {

LEDDisplayPlugin::LEDDisplayPlugin(QObject* parent) : QObject(parent) {}

QString LEDDisplayPlugin::name() const {
  return QStringLiteral("led::qt::LEDDisplayWidget");
}

QString LEDDisplayPlugin::group() const {
  return QStringLiteral("Display Widgets");
}

QString LEDDisplayPlugin::toolTip() const {
  return QStringLiteral("Seven-segment LED number display");
}

QString LEDDisplayPlugin::whatsThis() const {
  return QStringLiteral(
      "A seven-segment LED number display with sign, decimals, over-range mark, captions "
      "and gradient or transparent backgrounds.");
}

QString LEDDisplayPlugin::includeFile() const {
  return QStringLiteral("leddisplay/widgets/LEDDisplayWidget.h");
}

// The icon is the widget showing "8.8", so it looks like what it places, on a plate of
// the widget's back colour with a grey rim, so that it reads in light and dark widget
// boxes alike; drawn at each size rather than scaled by the widget box.
QIcon LEDDisplayPlugin::icon() const {
  LEDDisplayWidget sample;
  sample.setDigits(2);
  sample.setDecimals(1);
  sample.setLeadingPlusMinus(false);
  sample.setBorderStyle(LEDDisplayWidget::BorderNone);
  sample.setSegmentWidth(5);  // wider than at first: the segments stay lit at 16 pixels
  sample.setSegmentSeparation(1);
  sample.setAutoSize(true);
  sample.setValue(8.8);
  const QImage face = sample.grab().toImage();
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal rim = std::max(1.0, side / 24.0);
    painter.setPen(QPen(QColor(160, 160, 160), rim));
    painter.setBrush(sample.backColor());
    const QRectF plate = QRectF(0, 0, side, side).adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    painter.drawRoundedRect(plate, side / 8.0, side / 8.0);
    const int inner = side - 2 * static_cast<int>(std::ceil(rim)) - std::max(2, side / 8);
    const QImage digits = face.scaled(inner, inner, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((side - digits.width()) / 2, (side - digits.height()) / 2, digits);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

bool LEDDisplayPlugin::isContainer() const {
  return false;
}

QWidget* LEDDisplayPlugin::createWidget(QWidget* parent) {
  return new LEDDisplayWidget(parent);
}

bool LEDDisplayPlugin::isInitialized() const {
  return initialized_;
}

void LEDDisplayPlugin::initialize(QDesignerFormEditorInterface*) {
  initialized_ = true;
}

QString LEDDisplayPlugin::domXml() const {
  return QStringLiteral(
             "<ui language=\"c++\">\n"
             " <widget class=\"led::qt::LEDDisplayWidget\" name=\"ledDisplay\">\n"
             "  <property name=\"geometry\">\n"
             "   <rect><x>0</x><y>0</y><width>%1</width><height>%2</height></rect>\n"
             "  </property>\n"
             "  <property name=\"autoSize\"><bool>true</bool></property>\n"
             " </widget>\n"
             "</ui>\n")
      .arg(platform::kit::kStartWidth)
      .arg(platform::kit::kStartHeight);
}

}  // namespace led::qt
