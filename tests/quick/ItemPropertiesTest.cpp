// The item's properties as QML uses them: bindings follow through the NOTIFY signals,
// which fire once per change and not for a refused value, and the implicit size is the
// extent autoSize gives.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "QuickTestSupport.h"

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

}  // namespace
}  // namespace led::quick
