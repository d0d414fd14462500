// The item, grabbed from its window, draws what the raster form draws: pixel for pixel
// without captions, outside the caption boxes with them, at the size QML gives it and
// fitted to it; a transparent one over a picture shows the picture as the form's
// container picture. Run again on the software scene
// graph (the quick.software test) and at a scale factor of 2 (quick.hidpi), where it
// equals the form's at zoom 2 in device pixels.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <set>

#include "QtTestSupport.h"
#include "QuickTestSupport.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/qt/PaletteColors.h"
#include "support/ScratchFolder.h"

namespace led::quick {
namespace {

using namespace led::test;

// The display at (40, 30) in a 400 x 200 scene of a plain colour, with the band picture
// as an Image under it for a configuration over a picture (where the form has the same
// picture as its container's, at the same place).
class Scene {
 public:
  // `display`: the display's properties in QML.
  explicit Scene(const Configuration& configuration, const std::string& display) {
    const std::string bands = folder_.Path("bands.png");
    EXPECT_TRUE(BandPicture(400, 200).save(QString::fromStdString(bands)));
    std::string qml =
        "import QtQuick\nimport LedDisplay\n"
        "Rectangle { width: 400; height: 200; color: \"#336699\"\n";
    if (configuration.overPicture)
      qml += "Image { source: \"file://" + bands + "\"; smooth: false }\n";
    qml += "LEDDisplay { objectName: \"display\"; x: 40; y: 30; " + display + " } }";
    shown_ = std::make_unique<ShownQml>(qml);
  }
  LEDDisplayItem& Display() { return *shown_->Display("display"); }
  // The display's box in device pixels, and what lies around it, the window shown with
  // `sets` applied: shown, the item's clock starts a flashing display in its shown phase,
  // and the sets put the phase the configuration asks for again.
  QImage Grab(const PropertySets& sets) {
    shown_->Show();
    Apply(Display(), sets);
    QImage grabbed = shown_->Grab().convertToFormat(QImage::Format_RGB32);
    // The grab's own device pixel ratio is not set: the window's is.
    exact = shown_->Ratio();
    ratio = int(std::lround(exact));
    grabbed.setDevicePixelRatio(1);
    const QSizeF size = Display().size() * exact;
    return grabbed.copy(QRect(int(std::lround(40 * exact)), int(std::lround(30 * exact)),
                              int(std::lround(size.width())), int(std::lround(size.height()))));
  }
  // The form placed as the scene's display box, `origin` device pixels into the item:
  // the form copies its container's picture from the control's place into the area
  // inside the border, where the scene shows what lies under each pixel, a border on.
  void Place(FormControl& form, QPoint origin = QPoint()) const {
    const float twips = 15.0f / float(ratio);
    const int border = form.Form().Surface().BorderThickness();
    form.Form().SetPlace(float(40 * ratio + origin.x() + border) * twips,
                         float(30 * ratio + origin.y() + border) * twips);
  }

  int ratio = 1;
  double exact = 1;  // the window's device pixel ratio

 private:
  ScratchFolder folder_;
  std::unique_ptr<ShownQml> shown_;
};

// The sets without AutoSize: a display QML sizes.
PropertySets SizedByQml(const PropertySets& sets) {
  PropertySets sized;
  for (const auto& set : sets)
    if (set.first != "AutoSize") sized.push_back(set);
  return sized;
}

class ItemPixelMatch : public ::testing::TestWithParam<size_t> {};

TEST_P(ItemPixelMatch, GrabEqualsTheRasterFormsSnapshotAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  QGuiApplication::setPalette(ClassicPalette());
  // An auto-sized display is given no size: it takes its implicit one.
  const bool autoSize = std::any_of(configuration.sets.begin(), configuration.sets.end(),
                                    [](const auto& set) { return set.first == "AutoSize"; });
  Scene scene(configuration, autoSize ? "" : "width: 177; height: 63");
  LEDDisplayItem& item = scene.Display();
  Apply(item, configuration.sets);
  QImage grabbed = scene.Grab(configuration.sets);
  const int ratio = scene.ratio;
  FormControl form(configuration, ratio);
  scene.Place(form);
  form.Control().Refresh();
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

// Without autoSize, a display QML gives another size draws what the form draws at that
// size.
TEST_P(ItemPixelMatch, SizedByQmlItIsTheFormAtThatSizeAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  QGuiApplication::setPalette(ClassicPalette());
  Scene scene(configuration, "width: 251; height: 97");
  LEDDisplayItem& item = scene.Display();
  Apply(item, SizedByQml(configuration.sets));
  const QImage grabbed = scene.Grab(SizedByQml(configuration.sets));
  const int ratio = scene.ratio;
  FormControl form({configuration.title, SizedByQml(configuration.sets), configuration.overPicture,
                    configuration.captions},
                   ratio);
  scene.Place(form);
  form.Form().Surface().SetExtentPixels(251 * ratio, 97 * ratio);
  form.Control().Refresh();
  std::vector<QRect> mask;
  if (configuration.captions) mask = CaptionMask(item, form.Form(), ratio);
  std::string report;
  EXPECT_EQ(Differences(grabbed, form.Snapshot(), mask, report), 0)
      << configuration.title << " at ratio " << ratio << ": " << report;
}

// Fitting: a display QML sizes larger than its digits (anchors) shows the form's picture
// at FitZoom's answer for the item's extent, centred, and the scene around it.
TEST_P(ItemPixelMatch, FittedToItsAnchorsItIsTheFormAtTheFitZoomCentredAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  QGuiApplication::setPalette(ClassicPalette());
  const QSize size(340, 150);
  Scene scene(configuration,
              "fitToSize: true; anchors { fill: parent; leftMargin: 40; topMargin: 30; "
              "rightMargin: 20; bottomMargin: 20 }");
  LEDDisplayItem& item = scene.Display();
  Apply(item, SizedByQml(configuration.sets));
  ASSERT_EQ(item.size().toSize(), size);
  const QImage grabbed = scene.Grab(SizedByQml(configuration.sets));
  const int ratio = scene.ratio;

  FormControl form(configuration, ratio);
  const auto [box, origin] = FitAsAQtHost(form, size, ratio);
  ASSERT_FALSE(box.isEmpty());
  scene.Place(form, origin);
  form.Control().Refresh();

  std::vector<QRect> mask;
  if (configuration.captions) mask = CaptionMask(item, form.Form(), ratio, origin);
  std::string report;
  EXPECT_EQ(Differences(grabbed.copy(QRect(origin, box)), form.Snapshot(), mask, report), 0)
      << configuration.title << " at ratio " << ratio << ": " << report;
  // The box is narrower or lower than the item: there is scene around it.
  ASSERT_TRUE(origin.x() > 0 || origin.y() > 0) << configuration.title;
  if (!configuration.overPicture) {
    for (const QPoint corner : {QPoint(0, 0), QPoint(grabbed.width() - 1, grabbed.height() - 1)})
      EXPECT_EQ(grabbed.pixelColor(corner), QColor("#336699")) << configuration.title;
  }
}

// An auto-sized display is as many item pixels at every device ratio as the raster form
// is pixels at ratio 1 (its border and allowance grow with the digits; captions, whose
// fonts are hinted anew at each resolution, within a pixel), and its picture fills its
// box: no stray row or column of the back colour along the border, and the scene shows
// at most along one device row or column at each side, where the lengths rounded at a
// fractional ratio leave the display a device pixel or two short of its box. Run at ratios
// 1, 1.25, 1.5, 2 and 3 (tests/quick/CMakeLists.txt).
TEST_P(ItemPixelMatch, AutoSizedItHasOneSizeAtEveryRatioHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  if (configuration.sets.empty() || configuration.sets[0].first != "AutoSize") GTEST_SKIP();
  QGuiApplication::setPalette(ClassicPalette());
  Scene scene(configuration, "");
  LEDDisplayItem& item = scene.Display();
  Apply(item, configuration.sets);
  FormControl form(configuration);
  const platform::RasterSurface& surface = form.Form().Surface();
  const QSize expected(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  const QSize size = item.size().toSize();
  const int slack = configuration.captions ? 1 : 0;
  EXPECT_LE(std::abs(size.width() - expected.width()), slack) << configuration.title;
  EXPECT_LE(std::abs(size.height() - expected.height()), slack) << configuration.title;

  // Where the display is drawn: the pixels that are not the scene's.
  const QImage grabbed = scene.Grab(configuration.sets);
  QRect drawn;
  for (int y = 0; y < grabbed.height(); ++y)
    for (int x = 0; x < grabbed.width(); ++x)
      if (grabbed.pixelColor(x, y) != QColor(0x33, 0x66, 0x99)) drawn |= QRect(x, y, 1, 1);
  const double ratio = std::round(scene.exact * 4) / 4;
  const int short_ = ratio == std::round(ratio) && !configuration.captions ? 0 : 3;
  const QRect box(QPoint(), grabbed.size());
  EXPECT_TRUE(drawn.adjusted(-short_, -short_, short_, short_).contains(box))
      << configuration.title << ": drawn " << drawn.x() << ", " << drawn.y() << ", "
      << drawn.width() << " x " << drawn.height() << " in " << box.width() << " x " << box.height();
  // No stray row or column of the back colour (black here) under or beside the border.
  if (surface.BorderThickness() > 0 && configuration.title.find("flat") == std::string::npos) {
    for (const QPoint corner : {drawn.bottomLeft(), drawn.topRight()})
      EXPECT_NE(grabbed.pixelColor(corner), QColor(Qt::black)) << configuration.title;
  }
}

// A display given no size takes its implicit one, also when the captions measure anew at
// the window's ratio as the item is made: the control is laid out in that size, so a
// transparent display shows the scene under every row, none of its back colour. Run at
// ratios 1, 1.25, 1.5, 2 and 3 (with the other OneSizeAtEveryRatio tests).
TEST(ItemSizing, OneSizeAtEveryRatioAlsoForAnImplicitlySizedTransparentDisplayHiDpi) {
  ShownQml shown(R"(import QtQuick
import LedDisplay
Rectangle { width: 260; height: 110; color: "red"
  LEDDisplay { objectName: "display"; x: 10; y: 10; transparent: true
    borderStyle: LEDDisplay.BorderNone; digits: 5; decimals: 1; captionUpper: "Heading"
    captionLow: "degrees"; value: 153 } })");
  const QImage grabbed = shown.Grab().convertToFormat(QImage::Format_RGB32);
  const LEDDisplayItem& item = *shown.Display("display");
  const double r = shown.Ratio();
  const QRect box(int(std::lround(10 * r)), int(std::lround(10 * r)),
                  int(std::lround(item.width() * r)), int(std::lround(item.height() * r)));
  for (int y = box.top(); y <= box.bottom(); ++y) {
    int black = 0;
    for (int x = box.left(); x <= box.right(); ++x) black += grabbed.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_LT(black * 2, box.width()) << "row " << y - box.top() << " of " << box.height();
  }
}

// Under a scale the picture is sampled as it is, or filtered when the item is smooth
// (QML's own default): filtering makes colours between the picture's own.
TEST(ItemScale, ASmoothScaledItemIsFilteredAnotherSampledAsItIs) {
  const auto colours = [](const QImage& image) {
    std::set<QRgb> found;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) found.insert(image.pixel(x, y));
    return found;
  };
  ShownQml plain(
      "import QtQuick\nimport LedDisplay\nItem { width: 177; height: 63; "
      "LEDDisplay { width: 177; height: 63 } }");
  const std::set<QRgb> own = colours(plain.Grab().convertToFormat(QImage::Format_RGB32));
  for (const bool smooth : {false, true}) {
    SCOPED_TRACE(smooth ? "smooth" : "not smooth");
    ShownQml scaled(std::string("import QtQuick\nimport LedDisplay\nItem { width: 266; "
                                "height: 95; LEDDisplay { width: 177; height: 63; scale: 1.5; "
                                "transformOrigin: Item.TopLeft; smooth: ") +
                    (smooth ? "true" : "false") + " } }");
    const std::set<QRgb> seen = colours(scaled.Grab().convertToFormat(QImage::Format_RGB32));
    size_t between = 0;
    for (const QRgb colour : seen) between += own.count(colour) == 0;
    if (smooth)
      EXPECT_GT(between, 10u);
    else
      EXPECT_EQ(between, 0u);
  }
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
