// The widget given the classic palette draws what the raster form draws: pixel for
// pixel without captions, outside the caption text with them, and at a device pixel
// ratio of 2 as the form draws the control at zoom 2.
#include <gtest/gtest.h>

#include <QPalette>
#include <QPixmap>
#include <memory>
#include <optional>

#include "QtTestSupport.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::qt {
namespace {

using namespace led::test;

// The widget on its own, or over a parent whose window brush is the band picture.
struct PlacedWidget {
  explicit PlacedWidget(const Configuration& configuration) {
    if (configuration.overPicture) {
      parent = std::make_unique<QWidget>();
      parent->resize(400, 200);
      QPalette palette = parent->palette();
      palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(BandPicture(400, 200))));
      parent->setPalette(palette);
    }
    widget = new LEDDisplayWidget(parent.get());
    widget->setPalette(ClassicPalette());
    if (!parent) owned.reset(widget);
    if (configuration.overPicture) widget->move(40, 30);
    Apply(*widget, configuration.sets);
  }
  std::unique_ptr<QWidget> parent;
  std::unique_ptr<LEDDisplayWidget> owned;
  LEDDisplayWidget* widget = nullptr;
};

// Without scaling the grab equals the snapshot pixel for pixel; run a second time with
// QT_SCALE_FACTOR=2 (the qt.hidpi test), it equals the form's at zoom 2 in device pixels.
class PixelMatch : public ::testing::TestWithParam<size_t> {};

TEST_P(PixelMatch, GrabEqualsTheRasterFormsSnapshotAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  PlacedWidget placed(configuration);
  QImage grabbed = placed.widget->grab().toImage();
  const int ratio = int(grabbed.devicePixelRatio());
  grabbed.setDevicePixelRatio(1);
  FormControl form(configuration, ratio);
  const QImage expected = form.Snapshot();
  // A widget is whole widget pixels: an extent of an odd number of device pixels
  // (AutoSize's allowance is not zoomed) leaves it one device pixel larger.
  const QSize spare = grabbed.size() - expected.size();
  ASSERT_TRUE(spare.width() >= 0 && spare.width() < ratio && spare.height() >= 0 &&
              spare.height() < ratio)
      << configuration.title;
  grabbed = grabbed.copy(QRect(QPoint(), expected.size()));
  std::vector<QRect> mask;
  if (configuration.captions) {
    EXPECT_FALSE(placed.widget->captionUpperRect().isEmpty());
    mask = CaptionMask(*placed.widget, form.Form(), ratio);
  }
  std::string report;
  EXPECT_EQ(Differences(grabbed, expected, mask, report), 0)
      << configuration.title << " at ratio " << ratio << ": " << report;
}

// Fitting: a widget larger than its display shows the form's picture at FitZoom's answer
// for the widget's extent, centred, with the palette's window colour around it.
TEST_P(PixelMatch, FittedGrabIsTheFormAtTheFitZoomCentredAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  const QSize size(800, 160);
  PlacedWidget placed(configuration);
  placed.widget->setAutoSize(false);
  placed.widget->setFitToSize(true);
  placed.widget->resize(size);
  QImage grabbed = placed.widget->grab().toImage();
  const int ratio = int(grabbed.devicePixelRatio());
  grabbed.setDevicePixelRatio(1);

  FormControl form(configuration, ratio);
  const auto [box, origin] = FitAsAQtHost(form, size, ratio);
  ASSERT_FALSE(box.isEmpty());
  if (configuration.overPicture) {
    form.Form().SetPlace(40 * 15 + origin.x() * 15.0f / ratio,
                         30 * 15 + origin.y() * 15.0f / ratio);
    form.Control().Refresh();
  }

  const QImage expected = form.Snapshot();
  std::vector<QRect> mask;
  if (configuration.captions) mask = CaptionMask(*placed.widget, form.Form(), ratio, origin);
  std::string report;
  EXPECT_EQ(Differences(grabbed.copy(QRect(origin, box)), expected, mask, report), 0)
      << configuration.title << " at ratio " << ratio << ": " << report;
  ASSERT_GT(origin.x(), 0) << configuration.title;  // the box is narrower than the widget
  if (!configuration.overPicture) {
    const QColor window = placed.widget->palette().window().color();
    for (const QPoint corner : {QPoint(0, 0), QPoint(grabbed.width() - 1, grabbed.height() - 1)})
      EXPECT_EQ(grabbed.pixelColor(corner), window) << configuration.title;
  }
}

// Displays of many sizes painted in turn share one image to paint from (the largest,
// beyond a million pixels, have their own): each still shows only its own pixels.
TEST(PixelMatchSizes, DisplaysPaintedInTurnEachShowTheirOwnPixels) {
  const Configuration& plain = Configurations()[0];
  ASSERT_FALSE(plain.captions);
  const std::vector<QSize> sizes = {{1100, 1000}, {60, 30}, {400, 200}, {60, 30}, {1100, 1000}};
  std::vector<std::unique_ptr<FormControl>> forms;
  std::vector<std::unique_ptr<LEDDisplayWidget>> widgets;
  for (const QSize& size : sizes) {
    forms.push_back(std::make_unique<FormControl>(plain));
    forms.back()->Form().Surface().SetExtentPixels(size.width(), size.height());
    widgets.push_back(std::make_unique<LEDDisplayWidget>());
    widgets.back()->setPalette(ClassicPalette());
    Apply(*widgets.back(), plain.sets);
    widgets.back()->resize(size);
  }
  for (size_t i = 0; i < sizes.size(); ++i) {
    SCOPED_TRACE(i);
    const QImage grabbed = widgets[i]->grab().toImage();
    ASSERT_EQ(grabbed.size(), sizes[i]);
    std::string report;
    EXPECT_EQ(Differences(grabbed, forms[i]->Snapshot(), {}, report), 0) << report;
  }
}

// Turning AutoSize on after a caption changes the height: what the widget shows then is
// what a redraw at that height shows, not the picture cut at the old height.
TEST(PixelMatchAutoSize, TurnedOnAfterACaptionShowsAFreshPicture) {
  LEDDisplayWidget widget;
  widget.setCaptionUpper(QStringLiteral("X"));
  widget.setAutoSize(true);
  const QImage shown = widget.grab().toImage();
  widget.refresh();
  std::string report;
  EXPECT_EQ(Differences(shown, widget.grab().toImage(), {}, report), 0) << report;
}

INSTANTIATE_TEST_SUITE_P(Gallery, PixelMatch, ::testing::Range<size_t>(0, 13), ConfigurationName);

TEST(PixelMatchSet, CoversADozenConfigurations) {
  EXPECT_EQ(Configurations().size(), 13u);
}

}  // namespace
}  // namespace led::qt
