// The widget in Designer's forms: connections by name, in a form built by uic, reach its
// slots and signals.
#include <gtest/gtest.h>

#include "leddisplay/widgets/LEDDisplayWidget.h"
#include "ui_ConnectedPanel.h"

namespace led::qt {
namespace {

TEST(Connections, AFormsConnectionsByNameDriveTheWidget) {
  QWidget panel;
  Ui::ConnectedPanel ui;
  ui.setupUi(&panel);
  ui.count->setValue(42);  // valueChanged(int) to display(int)
  EXPECT_EQ(ui.counter->value(), 42.0);
  ui.level->setValue(3.25);  // valueChanged(double) to setValue(double)
  EXPECT_EQ(ui.meter->value(), 3.25);
  ui.mark->setChecked(true);  // toggled(bool) to setUseOverRange(bool)
  EXPECT_TRUE(ui.meter->useOverRange());
  ui.meter->setDigits(6);  // the NOTIFY signal digitsChanged(int) to the spin box
  EXPECT_EQ(ui.count->value(), 6);
  EXPECT_EQ(ui.counter->value(), 6.0);
}

}  // namespace
}  // namespace led::qt
