// The item, grabbed from its window, draws what the raster form draws: pixel for pixel
// without captions, outside the caption boxes with them. Run again on the software scene
// graph (the quick.software test) and at a scale factor of 2 (quick.hidpi), where it
// equals the form's at zoom 2 in device pixels.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>

#include "QtTestSupport.h"
#include "QuickTestSupport.h"

namespace led::quick {
namespace {

using namespace led::test;

class ItemPixelMatch : public ::testing::TestWithParam<size_t> {};

TEST_P(ItemPixelMatch, GrabEqualsTheRasterFormsSnapshotAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  // What lies under a transparent item is the scene's, not a container picture.
  if (configuration.overPicture) GTEST_SKIP() << "the form draws a container picture";
  QGuiApplication::setPalette(ClassicPalette());
  ShownQml shown("import LedDisplay\nLEDDisplay { width: 177; height: 63 }");
  LEDDisplayItem& item = *shown.Display();
  Apply(item, configuration.sets);
  QImage grabbed = shown.Grab().convertToFormat(QImage::Format_RGB32);
  // The grab's own device pixel ratio is not set: the window's is.
  const int ratio = int(std::lround(shown.Ratio()));
  grabbed.setDevicePixelRatio(1);
  FormControl form(configuration, ratio);
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

INSTANTIATE_TEST_SUITE_P(Gallery, ItemPixelMatch,
                         ::testing::Range<size_t>(0, Configurations().size()), ConfigurationName);

}  // namespace
}  // namespace led::quick
