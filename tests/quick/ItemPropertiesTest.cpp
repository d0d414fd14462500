// The item's properties as QML uses them: bindings follow through the NOTIFY signals,
// which fire once per change and not for a refused value, the implicit size is the
// extent autoSize gives, and the property file saved from QML is the raster form's.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QSignalSpy>
#include <fstream>

#include "QtTestSupport.h"
#include "QuickTestSupport.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "support/ScratchFolder.h"

namespace led::quick {
namespace {

using test::ShownQml;

TEST(ItemBinding, AValueBoundToAnotherDisplaysFollowsIt) {
  ShownQml shown(R"(import QtQuick
import LedDisplay
Item {
  LEDDisplay { id: source; objectName: "source"; decimals: 2 }
  LEDDisplay { objectName: "follower"; decimals: 2; value: source.value }
})");
  LEDDisplayItem& source = *shown.Display("source");
  LEDDisplayItem& follower = *shown.Display("follower");
  source.setValue(42.25);
  EXPECT_EQ(follower.value(), 42.25);
  EXPECT_EQ(follower.shownText(), source.shownText());
}

TEST(ItemBinding, ATextShowsInsteadOfTheNumberAndBindsAsTheValueDoes) {
  ShownQml shown(R"(import QtQuick
import LedDisplay
Item {
  LEDDisplay { id: source; objectName: "source"; digits: 2; text: "Lo" }
  LEDDisplay { objectName: "follower"; digits: 2; text: source.text }
})");
  LEDDisplayItem& source = *shown.Display("source");
  LEDDisplayItem& follower = *shown.Display("follower");
  EXPECT_EQ(source.shownText(), QStringLiteral("Lo"));
  source.setText(QStringLiteral("Hi"));
  EXPECT_EQ(follower.shownText(), QStringLiteral("HI"));  // "i" shows as "I"
  source.setText(QString());
  EXPECT_EQ(follower.shownText(), source.shownText());
  EXPECT_TRUE(follower.shownText().startsWith(QLatin1Char('+')));  // the number again
}

TEST(ItemNotify, OnceForAChangeNeverForTheSameOrARefusedValue) {
  ShownQml shown("import LedDisplay\nLEDDisplay {}");
  LEDDisplayItem& item = *shown.Display();
  QSignalSpy digits(&item, &LEDDisplayItem::digitsChanged);
  QSignalSpy appearance(&item, &LEDDisplayItem::appearanceChanged);
  QSignalSpy errors(&item, &LEDDisplayItem::errorOccurred);
  item.setDigits(5);
  item.setDigits(5);
  ASSERT_EQ(digits.count(), 1);
  EXPECT_EQ(digits.at(0).at(0).toInt(), 5);
  const LEDDisplayItem::Appearance kept = item.appearance();
  item.setAppearance(LEDDisplayItem::Appearance(7));
  EXPECT_EQ(appearance.count(), 0);
  EXPECT_EQ(item.appearance(), kept);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_EQ(errors.at(0).at(0).toInt(), LEDDisplayItem::InvalidPropertyValue);
}

TEST(ItemNotify, OverRangeAndOverflowFollowTheValue) {
  ShownQml shown("import LedDisplay\nLEDDisplay { digits: 3; decimals: 0 }");
  LEDDisplayItem& item = *shown.Display();
  QSignalSpy overRange(&item, &LEDDisplayItem::overRangeChanged);
  QSignalSpy overflow(&item, &LEDDisplayItem::overflow);
  item.setValue(12345);
  item.setValue(99999);
  item.setValue(12);
  ASSERT_EQ(overRange.count(), 2);
  EXPECT_TRUE(overRange.at(0).at(0).toBool());
  EXPECT_FALSE(overRange.at(1).at(0).toBool());
  EXPECT_EQ(overflow.count(), 2);
}

// Flashing in QML: no phase changes while no cell flashes; at the interval while one does,
// measured over a second of the event loop, with slack; back to shown when it stops; none
// while the window is hidden.
TEST(ItemFlash, TheItemTurnsTheFlashPhaseAtTheIntervalWhileACellFlashesAndIsShown) {
  ShownQml shown("import LedDisplay\nLEDDisplay { flashInterval: 100 }");
  shown.Show();
  LEDDisplayItem& item = *shown.Display();
  QSignalSpy turns(&item, &LEDDisplayItem::flashPhaseChanged);
  const auto run = test::RunEvents;
  run(300);
  EXPECT_EQ(turns.count(), 0);
  item.setFlashCells(0b11);
  run(1000);
  EXPECT_GE(turns.count(), 6);
  EXPECT_LE(turns.count(), 11);
  item.setFlashCells(0);
  EXPECT_TRUE(item.flashPhase());
  turns.clear();
  run(300);
  EXPECT_EQ(turns.count(), 0);
  item.setFlashCells(1);
  shown.Window().hide();
  run(50);
  turns.clear();
  run(300);
  EXPECT_EQ(turns.count(), 0);
}

// An item given no size takes the extent autoSize would give, and keeps following it.
TEST(ItemSizing, WithoutASizeTheItemIsTheAutoSizedExtent) {
  ShownQml shown(R"(import QtQuick
import LedDisplay
Item {
  LEDDisplay { objectName: "free"; digits: 4; captionUpper: "Volts" }
  LEDDisplay { objectName: "auto"; autoSize: true; digits: 4; captionUpper: "Volts" }
})");
  LEDDisplayItem& free = *shown.Display("free");
  LEDDisplayItem& sized = *shown.Display("auto");
  EXPECT_EQ(free.size(), sized.size());
  free.setDigits(8);
  sized.setDigits(8);
  EXPECT_GT(free.width(), free.height());
  EXPECT_EQ(free.size(), sized.size());
}

// A panel saved by QML code loads into the raster form, which draws the same pixels, and
// into another item, which notifies what the load changed, once.
// Relative URLs resolve against the QML file, as Image.source does: the picture beside
// it loads, and the file is saved and loaded beside it.
TEST(ItemPropertyFile, SavedFromQmlTheFormDrawsItAndAnotherItemLoadsIt) {
  test::ScratchFolder folder;
  const QString path = QString::fromStdString(folder.Path("panel.json"));
  QImage back(8, 8, QImage::Format_RGB32);
  back.fill(QColor(20, 40, 60));
  ASSERT_TRUE(back.save(QString::fromStdString(folder.Path("back.png"))));
  QGuiApplication::setPalette(test::ClassicPalette());  // the form's system colours
  ShownQml shown(R"(import LedDisplay
LEDDisplay {
  autoSize: true; digits: 5; decimals: 2; value: -42.17; litColor: "#00ff80"
  backGroundStyle: LEDDisplay.Gradient_H; leadingZeros: false
  pictureBackGround: "back.png"
  function save(file) { return saveProperties(file) }
})",
                 QUrl::fromLocalFile(QString::fromStdString(folder.Path("Panel.qml"))));
  LEDDisplayItem& item = *shown.Display();
  EXPECT_EQ(item.pictureBackGround(), QUrl("back.png"));
  QVariant saved;
  ASSERT_TRUE(QMetaObject::invokeMethod(&item, "save", Q_RETURN_ARG(QVariant, saved),
                                        Q_ARG(QVariant, QUrl("panel.json"))));
  ASSERT_TRUE(saved.toBool());

  test::FormControl form(test::Configurations()[0]);
  platform::MemoryPropertyBag bag = platform::LoadPropertyFile(path.toStdString());
  form.Control().ReadProperties(bag);
  form.Control().Resize();
  form.Control().Show();
  const QImage grabbed = shown.Grab().convertToFormat(QImage::Format_RGB32);
  std::string report;
  EXPECT_EQ(test::Differences(grabbed, form.Snapshot(), {}, report), 0) << report;

  ShownQml other("import LedDisplay\nLEDDisplay {}",
                 QUrl::fromLocalFile(QString::fromStdString(folder.Path("Other.qml"))));
  LEDDisplayItem& loaded = *other.Display();
  QSignalSpy digits(&loaded, &LEDDisplayItem::digitsChanged);
  QSignalSpy transparent(&loaded, &LEDDisplayItem::transparentChanged);
  ASSERT_TRUE(loaded.loadProperties(QUrl("panel.json")));
  EXPECT_EQ(digits.count(), 1);
  EXPECT_EQ(transparent.count(), 0);
  EXPECT_EQ(loaded.shownText(), item.shownText());
  EXPECT_EQ(loaded.size(), item.size());
}

// A file the item cannot use is an error that names it, and the properties stay as they
// were.
TEST(ItemPropertyFile, AnUnusableUrlOrFileIsAnErrorAndChangesNothing) {
  test::ScratchFolder folder;
  const std::string garbage = folder.Path("garbage.json");
  std::ofstream(garbage) << "not a property file";
  const struct {
    bool save;
    QUrl url;
    int number;
  } rows[] = {
      {false, QUrl("https://example.com/panel.json"), LEDDisplayItem::PathFileAccessError},
      {true, QUrl("https://example.com/panel.json"), LEDDisplayItem::PathFileAccessError},
      {false, QUrl(), LEDDisplayItem::PathFileAccessError},
      {true, QUrl("qrc:/tests/panel.json"), LEDDisplayItem::PathFileAccessError},
      {true, QUrl(":/tests/panel.json"), LEDDisplayItem::PathFileAccessError},
      {false, QUrl("qrc:/tests/missing.json"), LEDDisplayItem::FileNotFound},
      {false, QUrl::fromLocalFile(QString::fromStdString(folder.Path("missing.json"))),
       LEDDisplayItem::FileNotFound},
      {true, QUrl::fromLocalFile(QString::fromStdString(folder.Path("no/such/folder.json"))),
       LEDDisplayItem::PathFileAccessError},
      {false, QUrl::fromLocalFile(QString::fromStdString(garbage)),
       LEDDisplayItem::InvalidPropertyValue},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.url.toString().toStdString());
    ShownQml shown("import LedDisplay\nLEDDisplay { digits: 6; value: 12.5 }");
    LEDDisplayItem& item = *shown.Display();
    QSignalSpy errors(&item, &LEDDisplayItem::errorOccurred);
    QSignalSpy digits(&item, &LEDDisplayItem::digitsChanged);
    EXPECT_FALSE(row.save ? item.saveProperties(row.url) : item.loadProperties(row.url));
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.at(0).at(0).toInt(), row.number);
    const QString where = row.url.isLocalFile()                      ? row.url.toLocalFile()
                          : row.url.scheme() == QLatin1String("qrc") ? ":" + row.url.path()
                                                                     : row.url.toString();
    EXPECT_TRUE(errors.at(0).at(1).toString().contains(where))
        << errors.at(0).at(1).toString().toStdString();
    EXPECT_EQ(item.digits(), 6);
    EXPECT_EQ(item.value(), 12.5);
    EXPECT_EQ(digits.count(), 0);
  }
}

// A program's resources load as files do: pictures and a property file, by qrc: URL or
// by ":/" path.
TEST(ItemPropertyFile, ResourcesLoadAsFilesDo) {
  ShownQml shown(R"(import LedDisplay
LEDDisplay { pictureBackGround: "qrc:/tests/Backdrop.png"; mouseIcon: ":/tests/Backdrop.png" })");
  LEDDisplayItem& item = *shown.Display();
  EXPECT_EQ(item.pictureBackGround(), QUrl("qrc:/tests/Backdrop.png"));
  EXPECT_FALSE(item.mouseIcon().isEmpty());
  for (const char* url : {"qrc:/tests/panel.json", ":/tests/panel.json"}) {
    ShownQml other("import LedDisplay\nLEDDisplay {}");
    LEDDisplayItem& loaded = *other.Display();
    QSignalSpy errors(&loaded, &LEDDisplayItem::errorOccurred);
    EXPECT_TRUE(loaded.loadProperties(QUrl(url))) << url;
    EXPECT_EQ(errors.count(), 0);
    EXPECT_EQ(loaded.digits(), 7);
    EXPECT_EQ(loaded.value(), 12.5);
  }
}

}  // namespace
}  // namespace led::quick
