// The widget in Designer's forms: connections by name, in a form built by uic, reach its
// slots and signals; the Designer plugin as Designer and QUiLoader meet it: loaded from
// its file, it makes the widget, and a form that sets a dozen properties gives them back.
#include <gtest/gtest.h>

#include "leddisplay/qt/LEDDisplayWidget.h"
#include "ui_ConnectedPanel.h"

namespace led::qt {
namespace {

TEST(Designer, AFormsConnectionsByNameDriveTheWidget) {
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

#ifdef LED_DESIGNER_PLUGIN

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

#include "QtTestSupport.h"

namespace led::qt {
namespace {

TEST(Designer, ThePluginLoadsAndMakesTheWidget) {
  QPluginLoader loader(LED_DESIGNER_PLUGIN);
  QObject* instance = loader.instance();
  ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
  auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(plugin->name(), "led::qt::LEDDisplayWidget");
  EXPECT_EQ(plugin->group(), "Display Widgets");
  EXPECT_EQ(plugin->includeFile(), "leddisplay/qt/LEDDisplayWidget.h");
  EXPECT_FALSE(plugin->toolTip().isEmpty());
  EXPECT_FALSE(plugin->icon().isNull());
  EXPECT_FALSE(plugin->isContainer());
  EXPECT_TRUE(plugin->domXml().contains("<width>177</width>"));
  // The plugin holds its own copy of the widget's code: the widget is checked by its
  // meta-object's name and properties.
  std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
  ASSERT_NE(widget, nullptr);
  EXPECT_STREQ(widget->metaObject()->className(), "led::qt::LEDDisplayWidget");
  EXPECT_EQ(widget->property("digits").toInt(), 4);
  EXPECT_EQ(widget->size(), QSize(177, 63));
}

TEST(Designer, AFormFileGivesBackTheValuesItSets) {
  QUiLoader loader;
  loader.clearPluginPaths();
  loader.addPluginPath(QFileInfo(LED_DESIGNER_PLUGIN).absolutePath());
  ASSERT_TRUE(loader.availableWidgets().contains("led::qt::LEDDisplayWidget"));
  QFile file(LED_QT_TEST_DIR "/DesignerPanel.ui");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::unique_ptr<QWidget> form(loader.load(&file));
  ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
  QWidget* meter = form->findChild<QWidget*>("meter");
  ASSERT_NE(meter, nullptr);
  // clang-format off
  const std::pair<const char*, QVariant> values[] = {
      {"digits", 6}, {"decimals", 2}, {"value", -123.45}, {"leadingZeros", false},
      {"useOverRange", true}, {"onColor", QColor(255, 64, 0)}, {"backGroundG2", QColor(0, 0, 96)},
      {"captionUpper", "Supply"}, {"captionLow", "volts"}, {"digitWidth", 20}, {"autoSize", true}};
  // clang-format on
  for (const auto& [name, value] : values) EXPECT_EQ(meter->property(name), value) << name;
  for (const auto& [name, key] : {std::pair{"backGroundStyle", "Gradient_V"},
                                  {"borderStyle", "BorderNone"},
                                  {"captionLowPosition", "RightPosition"}})
    EXPECT_EQ(test::EnumKey(*meter, name), key) << name;
  const QFont font = meter->property("captionUpperFont").value<QFont>();
  EXPECT_EQ(font.family(), "DejaVu Serif");
  EXPECT_EQ(font.pointSize(), 11);
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(meter->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

}  // namespace
}  // namespace led::qt

#endif
