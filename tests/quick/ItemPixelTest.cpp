// The item, grabbed from its window, draws what the raster form draws: pixel for pixel
// without captions, outside the caption boxes with them. Run a second time on the
// software scene graph (the quick.software test).
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "QtTestSupport.h"
#include "QuickTestSupport.h"

namespace led::quick {
namespace {

using namespace led::test;

class ItemPixelMatch : public ::testing::TestWithParam<size_t> {};

TEST_P(ItemPixelMatch, GrabEqualsTheRasterFormsSnapshot) {
  const Configuration& configuration = Configurations()[GetParam()];
  // What lies under a transparent item is the scene's, not a container picture.
  if (configuration.overPicture) GTEST_SKIP() << "the form draws a container picture";
  QGuiApplication::setPalette(ClassicPalette());
  ShownQml shown("import LedDisplay\nLEDDisplay { width: 177; height: 63 }");
  LEDDisplayItem& item = *shown.Display();
  Apply(item, configuration.sets);
  QImage grabbed = shown.Grab().convertToFormat(QImage::Format_RGB32);
  grabbed.setDevicePixelRatio(1);
  FormControl form(configuration);
  const QImage expected = form.Snapshot();
  ASSERT_EQ(grabbed.size(), expected.size()) << configuration.title;
  std::vector<QRect> mask;
  if (configuration.captions) mask = CaptionMask(item, form.Form(), 1);
  std::string report;
  EXPECT_EQ(Differences(grabbed, expected, mask, report), 0)
      << configuration.title << ": " << report;
}

std::string TitleOf(const ::testing::TestParamInfo<size_t>& info) {
  std::string name;
  for (char c : Configurations()[info.param].title)
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name;
}

INSTANTIATE_TEST_SUITE_P(Gallery, ItemPixelMatch,
                         ::testing::Range<size_t>(0, Configurations().size()), TitleOf);

}  // namespace
}  // namespace led::quick
