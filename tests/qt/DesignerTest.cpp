// The Designer plugin as Designer and QUiLoader meet it, loaded into a program that links
// the widget's shared library: the plugin's widgets are of the program's widget class,
// a dropped widget starts as the plugin's XML says, and a form that sets a dozen
// properties gives them back.
#include <gtest/gtest.h>

#ifdef LED_DESIGNER_PLUGIN

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPluginLoader>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <cstdlib>
#include <memory>

#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led::qt {
namespace {

QDesignerCustomWidgetInterface* LoadedPlugin(QPluginLoader& loader) {
  return qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
}

// A QUiLoader that finds the plugin in the build tree's plugin folder alone.
void UseBuiltPlugin(QUiLoader& loader) {
  loader.clearPluginPaths();
  loader.addPluginPath(QFileInfo(LED_DESIGNER_PLUGIN).absolutePath());
}

TEST(Designer, ThePluginLoadsAndMakesTheWidget) {
  QPluginLoader loader(LED_DESIGNER_PLUGIN);
  QDesignerCustomWidgetInterface* plugin = LoadedPlugin(loader);
  ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
  EXPECT_EQ(plugin->name(), "led::qt::LEDDisplayWidget");
  EXPECT_EQ(plugin->group(), "Display Widgets");
  EXPECT_EQ(plugin->includeFile(), "leddisplay/widgets/LEDDisplayWidget.h");
  EXPECT_FALSE(plugin->toolTip().isEmpty());
  EXPECT_FALSE(plugin->icon().isNull());
  EXPECT_FALSE(plugin->isContainer());
  EXPECT_TRUE(plugin->domXml().contains("<width>177</width>"));
  std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
  auto* display = qobject_cast<LEDDisplayWidget*>(widget.get());
  ASSERT_NE(display, nullptr) << "the plugin's widget is of another class";
  EXPECT_EQ(display->digits(), 4);
  EXPECT_EQ(display->size(), QSize(177, 63));
}

// The widget box may be light or dark: at each size the icon's edge (the middle of each
// side) stands out from a white and from a black background.
TEST(Designer, TheIconsEdgeShowsOnLightAndDarkBackgrounds) {
  QPluginLoader loader(LED_DESIGNER_PLUGIN);
  QDesignerCustomWidgetInterface* plugin = LoadedPlugin(loader);
  ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
  const QIcon icon = plugin->icon();
  for (const int side : {16, 32}) {
    for (const QColor background : {QColor(Qt::white), QColor(Qt::black)}) {
      QImage shown(side, side, QImage::Format_RGB32);
      shown.fill(background);
      QPainter painter(&shown);
      painter.drawPixmap(0, 0, icon.pixmap(side, side));
      painter.end();
      const int half = side / 2;
      for (const QPoint edge :
           {QPoint(half, 0), QPoint(0, half), QPoint(side - 1, half), QPoint(half, side - 1)})
        EXPECT_GE(std::abs(qGray(shown.pixel(edge)) - qGray(background.rgb())), 64)
            << side << " pixels on " << background.name().toStdString() << " at " << edge.x() << ","
            << edge.y();
    }
  }
}

// Designer applies the plugin's XML to a widget dropped on a form, as QUiLoader does:
// it starts auto-sized (nothing clipped while editing), and the widget box's tooltip
// stays in the widget box.
TEST(Designer, ADroppedWidgetIsAutoSizedWithoutATooltip) {
  QPluginLoader pluginLoader(LED_DESIGNER_PLUGIN);
  QDesignerCustomWidgetInterface* plugin = LoadedPlugin(pluginLoader);
  ASSERT_NE(plugin, nullptr) << pluginLoader.errorString().toStdString();
  QUiLoader loader;
  UseBuiltPlugin(loader);
  QByteArray xml = plugin->domXml().toUtf8();
  QBuffer buffer(&xml);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  std::unique_ptr<QWidget> dropped(loader.load(&buffer));
  auto* display = qobject_cast<LEDDisplayWidget*>(dropped.get());
  ASSERT_NE(display, nullptr) << loader.errorString().toStdString();
  EXPECT_TRUE(display->autoSize());
  EXPECT_EQ(display->size(), display->sizeHint());
  EXPECT_EQ(display->toolTip(), "");
}

TEST(Designer, AFormFileGivesBackTheValuesItSets) {
  QUiLoader loader;
  UseBuiltPlugin(loader);
  ASSERT_TRUE(loader.availableWidgets().contains("led::qt::LEDDisplayWidget"));
  QFile file(LED_QT_TEST_DIR "/DesignerPanel.ui");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::unique_ptr<QWidget> form(loader.load(&file));
  ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
  auto* meter = form->findChild<LEDDisplayWidget*>("meter");
  ASSERT_NE(meter, nullptr) << "no LEDDisplayWidget named meter in the loaded form";
  // clang-format off
  const std::pair<const char*, QVariant> values[] = {
      {"digits", 6}, {"decimals", 2}, {"value", -123.45}, {"leadingZeros", false},
      {"useOverRange", true}, {"onColor", QColor(255, 64, 0)}, {"backGroundG2", QColor(0, 0, 96)},
      {"captionUpper", "Supply"}, {"captionLow", "volts"}, {"digitWidth", 20}, {"autoSize", true}};
  // clang-format on
  for (const auto& [name, value] : values) EXPECT_EQ(meter->property(name), value) << name;
  EXPECT_EQ(meter->backGroundStyle(), LEDDisplayWidget::Gradient_V);
  EXPECT_EQ(meter->borderStyle(), LEDDisplayWidget::BorderNone);
  EXPECT_EQ(meter->captionLowPosition(), LEDDisplayWidget::RightPosition);
  const QFont font = meter->captionUpperFont();
  EXPECT_EQ(font.family(), "DejaVu Serif");
  EXPECT_EQ(font.pointSize(), 11);
  EXPECT_TRUE(font.bold());
  EXPECT_EQ(meter->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

}  // namespace
}  // namespace led::qt

#endif
