// The item, grabbed from its window, draws what the raster form draws: pixel for pixel
// without captions, outside the caption boxes with them, and a transparent one over a
// picture shows the picture as the form's container picture. Run again on the software scene
// graph (the quick.software test) and at a scale factor of 2 (quick.hidpi), where it
// equals the form's at zoom 2 in device pixels.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>

#include "QtTestSupport.h"
#include "QuickTestSupport.h"
#include "leddisplay/qt/PaletteColors.h"
#include "support/ScratchFolder.h"

namespace led::quick {
namespace {

using namespace led::test;

class ItemPixelMatch : public ::testing::TestWithParam<size_t> {};

TEST_P(ItemPixelMatch, GrabEqualsTheRasterFormsSnapshotAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  QGuiApplication::setPalette(ClassicPalette());
  // Over a picture: the band picture is an Image under the item, where the form has it
  // as its container's picture; the scene blends what the transparent display leaves.
  ScratchFolder folder;
  const std::string bands = folder.Path("bands.png");
  ASSERT_TRUE(BandPicture(400, 200).save(QString::fromStdString(bands)));
  ShownQml shown(configuration.overPicture
                     ? "import QtQuick\nimport LedDisplay\nItem { width: 400; height: 200\n"
                       "Image { source: \"file://" +
                           bands +
                           "\"; smooth: false }\n"
                           "LEDDisplay { objectName: \"display\"; x: 40; y: 30; width: 177; "
                           "height: 63 } }"
                     : "import LedDisplay\nLEDDisplay { width: 177; height: 63 }");
  LEDDisplayItem& item = *shown.Display(configuration.overPicture ? "display" : nullptr);
  Apply(item, configuration.sets);
  QImage grabbed = shown.Grab().convertToFormat(QImage::Format_RGB32);
  // The grab's own device pixel ratio is not set: the window's is.
  const int ratio = int(std::lround(shown.Ratio()));
  grabbed.setDevicePixelRatio(1);
  if (configuration.overPicture)
    grabbed = grabbed.copy(QRect(QPoint(40, 30) * ratio, item.size().toSize() * ratio));
  FormControl form(configuration, ratio);
  if (configuration.overPicture) {
    // The form copies its container's picture from the control's place into the area
    // inside the border; the scene shows what lies under each pixel, a border further on.
    const float border = float(form.Form().Surface().BorderThickness()) * 15.0f / float(ratio);
    form.Form().SetPlace(40 * 15 + border, 30 * 15 + border);
    form.Control().Refresh();
  }
  const QImage expected = form.Snapshot();
  // An item is whole item pixels: an extent of an odd number of device pixels leaves it
  // one device pixel larger.
  const QSize spare = grabbed.size() - expected.size();
  ASSERT_TRUE(spare.width() >= 0 && spare.width() < ratio && spare.height() >= 0 &&
              spare.height() < ratio)
      << configuration.title << ": " << grabbed.width() << " x " << grabbed.height();
  grabbed = grabbed.copy(QRect(QPoint(), expected.size()));
  std::vector<QRect> mask;
  if (configuration.captions) mask = CaptionMask(item, form.Form(), ratio);
  std::string report;
  EXPECT_EQ(Differences(grabbed, expected, mask, report), 0)
      << configuration.title << " at ratio " << ratio << ": " << report;
}

// The border and 3D edge take the palette of the item's scene, as QML sets it on an item
// above the display, also when it changes: a dark scene gets a dark edge.
TEST(ItemPalette, TheEdgeFollowsThePaletteQmlGivesTheScene) {
  QGuiApplication::setPalette(ClassicPalette());
  ShownQml shown(R"(import QtQuick
import LedDisplay
Item {
  property bool night: false
  width: 177; height: 63
  palette.light: night ? "#3c3c3c" : "#ffffff"
  palette.midlight: night ? "#2a2a2a" : "#d4d0c8"
  palette.dark: night ? "#0a0a0a" : "#808080"
  palette.shadow: night ? "#000000" : "#404040"
  LEDDisplay { objectName: "display"; width: 177; height: 63 }
})");
  for (const bool night : {false, true}) {
    SCOPED_TRACE(night ? "night" : "day");
    shown.Root()->setProperty("night", night);
    QPalette palette = ClassicPalette();
    if (night) {
      palette.setColor(QPalette::Light, QColor("#3c3c3c"));
      palette.setColor(QPalette::Midlight, QColor("#2a2a2a"));
      palette.setColor(QPalette::Dark, QColor("#0a0a0a"));
      palette.setColor(QPalette::Shadow, QColor("#000000"));
    }
    FormControl form(Configurations()[0]);
    form.Form().Surface().SetSystemColors(qt::SystemColorsOf(palette));
    form.Control().Refresh();
    std::string report;
    EXPECT_EQ(Differences(shown.Grab().convertToFormat(QImage::Format_RGB32), form.Snapshot(), {},
                          report),
              0)
        << report;
  }
}

INSTANTIATE_TEST_SUITE_P(Gallery, ItemPixelMatch,
                         ::testing::Range<size_t>(0, Configurations().size()), ConfigurationName);

}  // namespace
}  // namespace led::quick
