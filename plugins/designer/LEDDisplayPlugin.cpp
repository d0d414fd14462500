#include "LEDDisplayPlugin.h"

#include <QIcon>
#include <QPixmap>

#include "leddisplay/qt/LEDDisplayWidget.h"

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
  return QStringLiteral("leddisplay/qt/LEDDisplayWidget.h");
}

// The icon is the widget showing "8.8", so it looks like what it places.
QIcon LEDDisplayPlugin::icon() const {
  LEDDisplayWidget sample;
  sample.setDigits(2);
  sample.setDecimals(1);
  sample.setLeadingPlusMinus(false);
  sample.setBorderStyle(LEDDisplayWidget::BorderNone);
  sample.setAutoSize(true);
  sample.setValue(8.8);
  return QIcon(sample.grab().scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
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
      "   <rect><x>0</x><y>0</y><width>177</width><height>63</height></rect>\n"
      "  </property>\n"
      "  <property name=\"toolTip\"><string>Seven-segment LED number display</string></property>\n"
      " </widget>\n"
      "</ui>\n");
}

}  // namespace led::qt
