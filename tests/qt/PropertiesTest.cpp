// The widget's Qt properties: round trips, enumeration keys, colours (plain and
// system), refusals as errorOccurred, NOTIFY signals, the cursor, QLCDNumber's calls, and
// the property file shared with the tool.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMetaProperty>
#include <QSignalSpy>
#include <algorithm>
#include <limits>
#include <memory>

#include "QtTestSupport.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"
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

// The warnings Qt's message handler receives while it lives.
struct WarningLog {
  WarningLog() : previous(qInstallMessageHandler(&Keep)) { kept().clear(); }
  ~WarningLog() { qInstallMessageHandler(previous); }
  static std::vector<std::string>& kept() {
    static std::vector<std::string> messages;
    return messages;
  }
  static void Keep(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) kept().push_back(message.toStdString());
  }
  QtMessageHandler previous;
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
      {"litColor", 0x123456}, {"unlitColor", 0x010203}, {"backColor", 0xFAFBFC},
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

// Flashing: no phase changes while no cell flashes; at the interval while one does,
// measured over a second of the event loop, with slack; back to shown when it stops.
TEST(Properties, TheWidgetTurnsTheFlashPhaseAtTheIntervalWhileACellFlashes) {
  LEDDisplayWidget widget;
  widget.show();
  QSignalSpy turns(&widget, &LEDDisplayWidget::flashPhaseChanged);
  const auto run = test::RunEvents;
  run(300);
  EXPECT_EQ(turns.count(), 0);
  widget.setFlashInterval(100);
  widget.setFlashCells(0b11);
  run(1000);
  EXPECT_GE(turns.count(), 6);
  EXPECT_LE(turns.count(), 11);
  widget.setFlashCells(0);
  EXPECT_TRUE(widget.flashPhase());
  turns.clear();
  run(300);
  EXPECT_EQ(turns.count(), 0);
  // Hidden, it keeps no timer: the phase stays where it was.
  widget.setFlashCells(1);
  widget.hide();
  turns.clear();
  run(300);
  EXPECT_EQ(turns.count(), 0);
}

// valueBand follows the value and the limits, its signal once a change, and assistive
// tools hear it while the value is beyond a limit.
TEST(Properties, TheValueBandFollowsTheValueAndTheLimits) {
  LEDDisplayWidget widget;
  QSignalSpy bands(&widget, &LEDDisplayWidget::valueBandChanged);
  const auto description = [&] {
    return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Description);
  };
  widget.setValue(-1);
  EXPECT_EQ(widget.valueBand(), LEDDisplayWidget::Within);  // limits off: no band
  EXPECT_EQ(description(), QString());
  widget.setUseLimits(true);
  widget.setValue(-2);  // still below: no second signal
  EXPECT_EQ(widget.valueBand(), LEDDisplayWidget::Below);
  EXPECT_EQ(description(), QStringLiteral("below the low limit"));
  widget.setLowLimit(-5);  // the limit moves: within again
  EXPECT_EQ(widget.valueBand(), LEDDisplayWidget::Within);
  widget.setValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(widget.valueBand(), LEDDisplayWidget::Above);
  EXPECT_EQ(description(), QStringLiteral("above the high limit"));
  ASSERT_EQ(bands.count(), 3);
  EXPECT_EQ(bands.at(2).at(0).value<LEDDisplayWidget::ValueBand>(), LEDDisplayWidget::Above);
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
  EXPECT_EQ(errors.numbers,
            (std::vector<int>{LEDDisplayWidget::Overflow, LEDDisplayWidget::InvalidPropertyValue,
                              LEDDisplayWidget::InvalidPropertyValue,
                              LEDDisplayWidget::InvalidPropertyValue}));
  EXPECT_NE(errors.texts[2].find("not opaque"), std::string::npos);
  EXPECT_FALSE(widget.setOleColor(LEDDisplayWidget::ColorProperty(99), 0));
  EXPECT_EQ(errors.numbers.back(), LEDDisplayWidget::InvalidCall);
}

// Each writable property: a value it changes to and, where one exists, a value it refuses.
struct NotifyRow {
  const char* name;
  QVariant changed;
  QVariant refused;
};

std::vector<NotifyRow> NotifyRows() {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(QColor(9, 99, 199));
  const QPixmap pixmap = QPixmap::fromImage(picture);
  QFont serif("DejaVu Serif");
  serif.setPointSizeF(11);
  const QColor colour(1, 2, 3), translucent(1, 2, 3, 128);
  const int beyond16Bits = 70000;
  // clang-format off
  return {
      {"value", 2.5, {}}, {"value", std::numeric_limits<double>::quiet_NaN(), {}},
      {"appearance", QVariant::fromValue(LEDDisplayWidget::Flat), 2},
      {"autoSize", true, {}},
      {"backGroundStyle", QVariant::fromValue(LEDDisplayWidget::Gradient_V), {}},
      {"backGroundG1", colour, translucent}, {"backGroundG2", colour, translucent},
      {"borderStyle", QVariant::fromValue(LEDDisplayWidget::BorderNone), 2},
      {"captionLow", "volts", {}}, {"captionLowForeColor", colour, translucent},
      {"captionLowPosition", QVariant::fromValue(LEDDisplayWidget::LeftPosition), 3},
      {"captionLowFont", serif, QFont("")},
      {"captionUpper", "Supply", {}}, {"captionUpperForeColor", colour, translucent},
      {"captionUpperPosition", QVariant::fromValue(LEDDisplayWidget::RightPosition), 3},
      {"captionUpperFont", serif, QFont("")},
      {"decimals", 1, beyond16Bits}, {"decimalPointSize", 4, beyond16Bits},
      {"mousePointer", 2, 16}, {"mouseIcon", pixmap, {}}, {"pictureBackGround", pixmap, {}},
      {"showAllDecimalPoints", false, {}},
      {"digits", 6, beyond16Bits}, {"digitWidth", 30, beyond16Bits},
      {"digitHeight", 50, beyond16Bits}, {"digitLeftMargin", 5, beyond16Bits},
      {"digitUpperMargin", 6, beyond16Bits}, {"digitSpacing", 8, beyond16Bits},
      {"segmentWidth", 4, beyond16Bits}, {"segmentSeparation", 1, beyond16Bits},
      {"leadingZeros", false, {}}, {"leadingPlusMinus", false, {}},
      {"backColor", colour, translucent}, {"litColor", colour, translucent},
      {"unlitColor", colour, translucent},
      // The older names of litColor and unlitColor: refusals name the new ones.
      {"onColor", colour, {}}, {"offColor", colour, {}},
      {"transparent", true, {}}, {"useOverRange", true, {}}, {"fitToSize", true, {}},
      // Beyond the published interface.
      {"flashCells", 5, {}}, {"flashInterval", 250, 10}, {"flashPhase", false, {}},
      {"useLimits", true, {}}, {"lowLimit", -5.0, 1000.0}, {"highLimit", 50.0, -100.0},
      {"lowColor", colour, translucent}, {"highColor", colour, translucent},
      {"slant", 9.5, 21.0}, {"text", "Err", {}},
      {"segmentStyle", QVariant::fromValue(LEDDisplayWidget::Sixteen), 3},
      {"segments", "118,,121", "x"}};
  // clang-format on
}

QMetaProperty PropertyNamed(const QObject& object, const char* name) {
  const QMetaObject* meta = object.metaObject();
  return meta->property(meta->indexOfProperty(name));
}

// Records each emission of the property's NOTIFY signal.
std::unique_ptr<QSignalSpy> SpyOn(const QObject& object, const QMetaProperty& property) {
  return std::make_unique<QSignalSpy>(&object, property.notifySignal());
}

TEST(Properties, EveryPropertyHasANotifySignalAndARowBelow) {
  LEDDisplayWidget widget;
  const QMetaObject* meta = widget.metaObject();
  const std::vector<NotifyRow> rows = NotifyRows();
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
    const QMetaProperty property = meta->property(i);
    EXPECT_TRUE(property.hasNotifySignal()) << property.name();
    // overRange is read-only; its signal follows the value (Events tests).
    if (!property.isWritable()) continue;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const NotifyRow& row) {
      return qstrcmp(row.name, property.name()) == 0;
    })) << property.name();
  }
}

TEST(Properties, ANotifySignalFiresOnceOnAChangeNotOnARefusalNorOnTheSameValueAgain) {
  for (const NotifyRow& row : NotifyRows()) {
    SCOPED_TRACE(row.name);
    LEDDisplayWidget widget;
    ErrorLog errors(widget);
    const QMetaProperty property = PropertyNamed(widget, row.name);
    const auto spy = SpyOn(widget, property);
    ASSERT_TRUE(spy->isValid());
    if (row.refused.isValid()) {
      const WarningLog warnings;
      widget.setProperty(row.name, row.refused);
      ASSERT_EQ(errors.numbers.size(), 1u);
      EXPECT_EQ(spy->count(), 0);
      // The description and one console warning name the property.
      const std::string named = std::string(row.name) + ": ";
      EXPECT_EQ(errors.texts[0].rfind(named, 0), 0u) << errors.texts[0];
      ASSERT_EQ(WarningLog::kept().size(), 1u);
      EXPECT_NE(WarningLog::kept()[0].find(named), std::string::npos) << WarningLog::kept()[0];
      EXPECT_NE(WarningLog::kept()[0].find(" refused: "), std::string::npos);
    }
    widget.setProperty(row.name, row.changed);
    ASSERT_EQ(spy->count(), 1);
    EXPECT_EQ(spy->at(0).at(0).toString(), widget.property(row.name).toString());
    widget.setProperty(row.name, row.changed);
    EXPECT_EQ(spy->count(), 1);
  }
}

TEST(Properties, ASetterCalledOnTheControlNotifiesToo) {
  LEDDisplayWidget widget;
  QSignalSpy digits(&widget, &LEDDisplayWidget::digitsChanged);
  widget.control().SetDigits(6);
  widget.control().SetDigits(6);
  ASSERT_EQ(digits.count(), 1);
  EXPECT_EQ(digits.at(0).at(0).toInt(), 6);
}

TEST(Properties, TheCursorFollowsMousePointerAndMouseIcon) {
  QWidget parent;  // a window keeps a cursor once set; a child gives it back
  LEDDisplayWidget widget(&parent);
  EXPECT_FALSE(widget.testAttribute(Qt::WA_SetCursor));  // 0: the parent's cursor shows
  const std::pair<int, Qt::CursorShape> shapes[] = {
      {1, Qt::ArrowCursor},      {2, Qt::CrossCursor},   {3, Qt::IBeamCursor},
      {6, Qt::SizeBDiagCursor},  {7, Qt::SizeVerCursor}, {11, Qt::WaitCursor},
      {12, Qt::ForbiddenCursor}, {15, Qt::SizeAllCursor}};
  for (const auto& [pointer, shape] : shapes) {
    widget.setMousePointer(pointer);
    EXPECT_EQ(widget.cursor().shape(), shape) << pointer;
  }
  widget.setMousePointer(99);  // no icon yet: none of its own
  EXPECT_FALSE(widget.testAttribute(Qt::WA_SetCursor));
  QImage icon(8, 6, QImage::Format_RGB32);
  icon.fill(Qt::red);
  widget.setMouseIcon(QPixmap::fromImage(icon));
  EXPECT_EQ(widget.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(widget.cursor().pixmap().size(), QSize(8, 6));
  widget.setMousePointer(0);
  EXPECT_FALSE(widget.testAttribute(Qt::WA_SetCursor));
}

TEST(Properties, QLCDNumbersCallsAnswerAsTheDisplayShows) {
  LEDDisplayWidget widget;  // 4 digits, 3 of them decimals: one integer place
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const int most = std::numeric_limits<int>::max(), least = std::numeric_limits<int>::min();
  const struct {
    double value;
    bool overflows;
    int intValue;
  } cases[] = {
      {9.9994, false, 10}, {9.9996, true, 10},  // rounded to three places: 10.000
      {-2.5, false, -3},   {1e12, true, most}, {-1e12, true, least}, {nan, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const double before = widget.value();
    EXPECT_EQ(widget.checkOverflow(c.value), c.overflows);
    EXPECT_EQ(widget.value(), before);  // asking changes nothing
    widget.display(c.value);
    EXPECT_EQ(widget.overRange(), c.overflows);
    EXPECT_EQ(widget.intValue(), c.intValue);
  }
  widget.display(7);
  EXPECT_EQ(widget.value(), 7.0);
  EXPECT_TRUE(widget.checkOverflow(10));
  widget.setDecimals(1);
  EXPECT_FALSE(widget.checkOverflow(999));
  // A text shows instead of the number; a number again clears it.
  widget.display(QStringLiteral("Err"));
  EXPECT_EQ(widget.text(), QStringLiteral("Err"));
  EXPECT_EQ(widget.control().ShownText(), " Err");
  widget.display(2.5);
  EXPECT_TRUE(widget.text().isEmpty());
  EXPECT_EQ(widget.control().ShownText(), "+002.5");
  // Segments set by hand, until the value changes; a refusal is reported.
  QSignalSpy segments(&widget, &LEDDisplayWidget::segmentsChanged);
  EXPECT_TRUE(widget.setCellSegments(1, 118));
  EXPECT_EQ(widget.segments(), QStringLiteral(",118"));
  EXPECT_EQ(widget.control().ShownText(), "+H02.5");
  EXPECT_EQ(segments.count(), 1);
  EXPECT_FALSE(widget.setCellSegments(-1, 1));
  widget.display(3.5);
  EXPECT_TRUE(widget.segments().isEmpty());
  EXPECT_EQ(segments.count(), 2);  // a binding hears that they went
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

  // The load notifies each property whose value it changed, once, and draws the loaded
  // display.
  LEDDisplayWidget loaded;
  loaded.setPalette(test::ClassicPalette());
  const QMetaObject* meta = loaded.metaObject();
  std::vector<std::pair<QMetaProperty, QString>> before;
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
    before.emplace_back(meta->property(i), meta->property(i).read(&loaded).toString());
    spies.push_back(SpyOn(loaded, meta->property(i)));
  }
  ASSERT_TRUE(loaded.loadProperties(file));
  for (size_t i = 0; i < before.size(); ++i) {
    const bool changed = before[i].first.read(&loaded).toString() != before[i].second;
    EXPECT_EQ(spies[i]->count(), changed ? 1 : 0) << before[i].first.name();
  }
  EXPECT_EQ(spies[size_t(meta->indexOfProperty("digits") - meta->propertyOffset())]->count(), 1);
  EXPECT_EQ(loaded.digits(), 5);
  EXPECT_EQ(loaded.value(), -42.17);
  EXPECT_EQ(loaded.onColor(), QColor(0, 255, 128));
  EXPECT_EQ(loaded.shownText(), widget.shownText());
  std::string report;
  EXPECT_EQ(test::Differences(loaded.grab().toImage(), widget.grab().toImage(), {}, report), 0)
      << report;

  const std::string png = folder.Path("tool.png");
  const std::string command =
      std::string(LED_TOOL) + " render --load '" + file.toStdString() + "' -o '" + png + "'";
  ASSERT_EQ(test::RunCommand(command).code, 0) << command;
  const QImage drawn = test::QImageOf(platform::ReadPngFile(png));
  const QImage grabbed = widget.grab().toImage();
  ASSERT_EQ(grabbed.size(), drawn.size());
  EXPECT_EQ(test::Differences(grabbed, drawn, {}, report), 0) << report;
}

TEST(Properties, AFileThatCannotBeReadChangesNothing) {
  LEDDisplayWidget widget;
  ErrorLog errors(widget);
  EXPECT_FALSE(widget.loadProperties("/nonexistent/panel.json"));
  ASSERT_EQ(errors.numbers, std::vector<int>{LEDDisplayWidget::FileNotFound});
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
