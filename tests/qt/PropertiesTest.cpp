// The widget's Qt properties: round trips, enumeration keys, colours (plain and
// system), refusals as errorOccurred, and the property file shared with the tool.
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/platform/io/Png.h"
#include "support/RunCommand.h"
#include "support/ScratchFolder.h"

namespace led::qt {
namespace {

using test::EnumKey;

struct ErrorLog {
  explicit ErrorLog(LEDDisplayWidget& widget) {
    QObject::connect(&widget, &LEDDisplayWidget::errorOccurred,
                     [this](int number, const QString& text) {
                       numbers.push_back(number);
                       texts.push_back(text.toStdString());
                     });
  }
  std::vector<int> numbers;
  std::vector<std::string> texts;
};

TEST(Properties, EveryControlPropertyIsAQtPropertyThatRoundTrips) {
  LEDDisplayWidget widget;
  // clang-format off
  std::vector<std::pair<const char*, QVariant>> values = {
      {"value", -3.25}, {"digits", 6}, {"decimals", 2}, {"decimalPointSize", 4},
      {"digitWidth", 30}, {"digitHeight", 50}, {"digitLeftMargin", 5}, {"digitUpperMargin", 6},
      {"digitSpacing", 8}, {"segmentWidth", 4}, {"segmentSeparation", 1}, {"mousePointer", 2},
      {"leadingZeros", false}, {"leadingPlusMinus", false}, {"showAllDecimalPoints", false},
      {"useOverRange", true}, {"transparent", true},
      {"captionLow", "volts"}, {"captionUpper", "Supply"}};
  const std::pair<const char*, QRgb> colours[] = {
      {"onColor", 0x123456}, {"offColor", 0x010203}, {"backColor", 0xFAFBFC},
      {"backGroundG1", 0x0A141E}, {"backGroundG2", 0x28323C},
      {"captionLowForeColor", 0xFF0000}, {"captionUpperForeColor", 0x00FF00}};
  // clang-format on
  for (const auto& [name, rgb] : colours) values.emplace_back(name, QColor(rgb));
  ErrorLog errors(widget);
  for (const auto& [name, value] : values) EXPECT_TRUE(widget.setProperty(name, value)) << name;
  for (const auto& [name, value] : values) EXPECT_EQ(widget.property(name), value) << name;
  EXPECT_TRUE(errors.numbers.empty());
  EXPECT_EQ(widget.control().Digits(), 6);
  EXPECT_EQ(widget.control().OnColor(), 0x563412u);  // red in the low byte
}

TEST(Properties, EnumerationsReadLikeThePublishedNames) {
  LEDDisplayWidget widget;
  const auto keyOf = [&](const char* property) { return EnumKey(widget, property); };
  EXPECT_EQ(keyOf("appearance"), "ThreeD");
  EXPECT_EQ(keyOf("borderStyle"), "FixedSingle");
  EXPECT_EQ(keyOf("backGroundStyle"), "Standard");
  EXPECT_EQ(keyOf("captionLowPosition"), "CenterPosition");
  widget.setBackGroundStyle(LEDDisplayWidget::Gradient_V);
  widget.setProperty("borderStyle", "BorderNone");  // by key, as a .ui file gives it
  widget.setProperty("appearance", "Flat");
  EXPECT_EQ(keyOf("backGroundStyle"), "Gradient_V");
  EXPECT_EQ(keyOf("borderStyle"), "BorderNone");
  EXPECT_EQ(keyOf("appearance"), "Flat");
}

TEST(Properties, FontsAndPicturesCrossAsQtTypes) {
  LEDDisplayWidget widget;
  QFont font("DejaVu Serif");
  font.setPointSizeF(11.5);
  font.setBold(true);
  font.setItalic(true);
  widget.setCaptionUpperFont(font);
  const QFont back = widget.captionUpperFont();
  EXPECT_EQ(back.family(), "DejaVu Serif");
  EXPECT_DOUBLE_EQ(back.pointSizeF(), 11.5);
  EXPECT_TRUE(back.bold());
  EXPECT_TRUE(back.italic());
  EXPECT_EQ(widget.control().CaptionUpperFont()->Size(), 115000);

  QImage picture(5, 4, QImage::Format_RGBA8888);
  picture.fill(QColor(9, 99, 199));
  widget.setPictureBackGround(QPixmap::fromImage(picture));
  const QImage read = widget.pictureBackGround().toImage();
  ASSERT_EQ(read.size(), QSize(5, 4));
  EXPECT_EQ(read.pixelColor(4, 3), QColor(9, 99, 199));
  widget.setPictureBackGround(QPixmap());
  EXPECT_TRUE(widget.pictureBackGround().isNull());
}

TEST(Properties, SystemColoursReadThroughThePaletteAndKeepTheirRawValue) {
  LEDDisplayWidget widget;
  ASSERT_TRUE(widget.setOleColor(LEDDisplayWidget::BackColor, 0x8000000F));  // button face
  EXPECT_EQ(widget.oleColor(LEDDisplayWidget::BackColor), 0x8000000Fu);
  const QColor face = widget.palette().color(QPalette::Button);
  EXPECT_EQ(widget.backColor(), face);
  // Writing back what was read gives a plain colour of the same look.
  widget.setBackColor(widget.backColor());
  EXPECT_EQ(widget.oleColor(LEDDisplayWidget::BackColor),
            core::Rgb(uint8_t(face.red()), uint8_t(face.green()), uint8_t(face.blue())));

  widget.setOnColor(QColor(0xAB, 0xCD, 0xEF));
  EXPECT_EQ(widget.oleColor(LEDDisplayWidget::OnColor), 0xEFCDABu);
  EXPECT_EQ(widget.onColor(), QColor(0xAB, 0xCD, 0xEF));
}

TEST(Properties, ARefusedValueLeavesThePropertyAndReportsTheError) {
  LEDDisplayWidget widget;
  ErrorLog errors(widget);
  widget.setDigits(70000);  // beyond 16 bits
  EXPECT_EQ(widget.digits(), 4);
  widget.setBorderStyle(LEDDisplayWidget::BorderStyle(7));
  EXPECT_EQ(widget.borderStyle(), LEDDisplayWidget::FixedSingle);
  widget.setOnColor(QColor(1, 2, 3, 128));
  EXPECT_EQ(widget.onColor(), QColor(0xC0, 0xC0, 0xFF));
  widget.setCaptionLowFont(QFont(""));
  EXPECT_EQ(errors.numbers, (std::vector<int>{6, 380, 380, 380}));
  EXPECT_NE(errors.texts[2].find("not opaque"), std::string::npos);
  EXPECT_FALSE(widget.setOleColor(LEDDisplayWidget::ColorProperty(99), 0));
  EXPECT_EQ(errors.numbers.back(), 5);
}

TEST(Properties, AFileSavedByTheWidgetLoadsIntoAnotherAndIntoTheTool) {
  test::ScratchFolder folder;
  const QString file = QString::fromStdString(folder.Path("panel.json"));
  LEDDisplayWidget widget;
  widget.setPalette(test::ClassicPalette());  // the tool draws the classic border
  widget.setDigits(5);
  widget.setDecimals(2);
  widget.setValue(-42.17);
  widget.setOnColor(QColor(0, 255, 128));
  widget.setBackGroundStyle(LEDDisplayWidget::Gradient_H);
  widget.setLeadingZeros(false);
  ASSERT_TRUE(widget.saveProperties(file));

  LEDDisplayWidget loaded;
  ASSERT_TRUE(loaded.loadProperties(file));
  EXPECT_EQ(loaded.digits(), 5);
  EXPECT_EQ(loaded.value(), -42.17);
  EXPECT_EQ(loaded.onColor(), QColor(0, 255, 128));
  EXPECT_EQ(loaded.shownText(), widget.shownText());

  const std::string png = folder.Path("tool.png");
  const std::string command =
      std::string(LED_TOOL) + " render --load '" + file.toStdString() + "' -o '" + png + "'";
  ASSERT_EQ(test::RunCommand(command).code, 0) << command;
  const QImage drawn = test::QImageOf(platform::ReadPngFile(png));
  const QImage grabbed = widget.grab().toImage();
  ASSERT_EQ(grabbed.size(), drawn.size());
  std::string report;
  EXPECT_EQ(test::Differences(grabbed, drawn, {}, report), 0) << report;
}

TEST(Properties, AFileThatCannotBeReadChangesNothing) {
  LEDDisplayWidget widget;
  ErrorLog errors(widget);
  EXPECT_FALSE(widget.loadProperties("/nonexistent/panel.json"));
  ASSERT_EQ(errors.numbers, std::vector<int>{53});
  EXPECT_NE(errors.texts[0].find("/nonexistent/panel.json"), std::string::npos);
  EXPECT_EQ(widget.digits(), 4);
}

TEST(Properties, NewCaptionFontsFollowTheWidgetsFont) {
  QWidget parent;
  QFont serif("DejaVu Serif");
  serif.setPointSizeF(12);
  parent.setFont(serif);
  LEDDisplayWidget child(&parent);
  EXPECT_EQ(child.captionLowFont().family(), "DejaVu Serif");
  EXPECT_DOUBLE_EQ(child.captionUpperFont().pointSizeF(), 12);

  QFont huge("DejaVu Serif");
  huge.setPointSizeF(5000);  // beyond what a font object takes
  parent.setFont(huge);
  LEDDisplayWidget second(&parent);
  EXPECT_EQ(second.captionLowFont().family(), "DejaVu Sans");
  EXPECT_DOUBLE_EQ(second.captionLowFont().pointSizeF(), 8);
}

}  // namespace
}  // namespace led::qt
