// The host kit: a display placed in a view has one size at every device ratio, fits and
// follows; a view point reaches the control's handlers as the same numbers at every
// device ratio and zoom, in pixels or twips; key names give the classic key codes.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/host/Surface.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/kit/InputConventions.h"
#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/platform/kit/ViewPoint.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::platform::kit {
namespace {

// A surface as a host sets it up at `ratio` and `zoom`: twips per device pixel, border.
struct HostedSurface {
  HostedSurface(double ratio, double zoom, int16_t borderStyle, int16_t appearance) {
    surface.SetTwipsPerPixel(float(kTwipsPerViewPixel / ratio), float(kTwipsPerViewPixel / ratio));
    surface.SetAppearance(appearance);
    surface.SetBorderStyle(borderStyle);
    surface.SetBorderZoom(zoom);
    surface.SetExtentPixels(int32_t(std::lround(400 * zoom)), int32_t(std::lround(200 * zoom)));
  }
  RasterSurface surface;
};

TEST(ViewPoint, TheSameViewPointGivesTheSameNumbersAtEveryRatioAndZoom) {
  const struct {
    double ratio, zoom;
    int32_t originX, originY;  // device pixels
  } placements[] = {
      {1, 1, 0, 0},
      {1.5, 1.5, 0, 0},
      {2, 2, 0, 0},
      {3, 3, 0, 0},
      // Fitted: the zoom is the fit's, the box centred in the view.
      {1, 2.5, 30, 10},
      {2, 5, 60, 20},
      {1.5, 3.75, 45, 15},
  };
  // The view point at ratio 1 and zoom 1 with the box at the corner: the numbers every
  // other placement must give for the same place in the display.
  for (const int16_t mode : {host::kScalePixels, host::kScaleTwips, host::kScaleUser}) {
    for (const auto& [border, appearance] : {std::pair<int16_t, int16_t>{1, 1}, {1, 0}, {0, 1}}) {
      HostedSurface reference(1, 1, border, appearance);
      reference.surface.SetScaleMode(mode);
      const ControlPoint expected = ControlPointOf(reference.surface, {1, 1, 0, 0}, 50, 20);
      for (const auto& p : placements) {
        SCOPED_TRACE(::testing::Message()
                     << "mode " << mode << ", border " << border << "/" << appearance << ", ratio "
                     << p.ratio << ", zoom " << p.zoom);
        HostedSurface hosted(p.ratio, p.zoom, border, appearance);
        hosted.surface.SetScaleMode(mode);
        // The display's point (50, 20) at zoom 1 lies at this view point now.
        const double scale = p.zoom / p.ratio;
        const double viewX = (p.originX / p.ratio) + 50 * scale;
        const double viewY = (p.originY / p.ratio) + 20 * scale;
        const ControlPoint got =
            ControlPointOf(hosted.surface, {p.ratio, p.zoom, p.originX, p.originY}, viewX, viewY);
        // A zoomed border is a whole number of device pixels: a fraction of one apart.
        const float slack = mode == host::kScaleTwips ? 15.0f : 1.0f;
        EXPECT_NEAR(got.x, expected.x, slack);
        EXPECT_NEAR(got.y, expected.y, slack);
      }
    }
  }
}

TEST(ViewPoint, TheWorkedExample) {
  HostedSurface hosted(2, 2, 1, 1);
  EXPECT_EQ(hosted.surface.BorderThickness(), 4);
  ControlPoint p = ControlPointOf(hosted.surface, {2, 2, 0, 0}, 50, 20);
  EXPECT_FLOAT_EQ(p.x, 48);
  EXPECT_FLOAT_EQ(p.y, 18);
  hosted.surface.SetScaleMode(host::kScaleTwips);
  p = ControlPointOf(hosted.surface, {2, 2, 0, 0}, 50, 20);
  EXPECT_FLOAT_EQ(p.x, 720);
  EXPECT_FLOAT_EQ(p.y, 270);
}

// A new control on a form whose surface is at `ratio`'s twips per pixel, as a host sets
// it up before it places the control.
struct PlacedControl {
  explicit PlacedControl(double ratio) {
    form.SetTwipsPerPixel(float(kTwipsPerViewPixel / ratio));
    form.OnResize([this] { control.Resize(); });
    control.InitProperties();
  }
  Form form;
  control::LEDDisplay control{form.Host()};
};

TEST(Placement, AnAutoSizedDisplayHasOneViewSizeAtEveryRatio) {
  for (const double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
    SCOPED_TRACE(::testing::Message() << "ratio " << ratio);
    PlacedControl placed(ratio);
    const std::optional<PixelSize> size =
        AutoViewSize(placed.control, placed.form.Surface(), ratio);
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(*size, (PixelSize{kStartWidth, kStartHeight}));
    const Placement p =
        PlaceControl(placed.control, placed.form.Surface(), *size, ratio, Sizing::AutoSize);
    // The zoom is the ratio where that fits, a step less where rounding would not.
    EXPECT_LE(p.zoom, ratio);
    EXPECT_GT(p.zoom, ratio * 0.95);
    const PixelSize box = DeviceSize(*size, ratio);
    EXPECT_LE(p.extent.width, box.width);
    EXPECT_LE(p.extent.height, box.height);
    EXPECT_GE(p.extent.width, box.width - 3);
    EXPECT_GE(p.extent.height, box.height - 3);
    EXPECT_EQ(p.originX, (box.width - p.extent.width) / 2);
    EXPECT_EQ(p.originY, (box.height - p.extent.height) / 2);
    if (ratio == std::round(ratio)) {
      EXPECT_EQ(p.zoom, ratio);
      EXPECT_EQ(p.extent, box);
    }
    // The control, zoomed so with its border, gives the extent the placement foretold.
    placed.form.Surface().SetBorderZoom(p.zoom);
    placed.control.SetZoom(p.zoom);
    placed.control.SetAutoSize(core::kTrue);
    EXPECT_EQ(
        (PixelSize{placed.form.Surface().ExtentPixelsX(), placed.form.Surface().ExtentPixelsY()}),
        p.extent);
  }
}

TEST(Placement, FollowAndFitInAView) {
  PlacedControl placed(2);
  RasterSurface& surface = placed.form.Surface();
  const Placement follow = PlaceControl(placed.control, surface, {300, 100}, 2, Sizing::Follow);
  EXPECT_EQ(follow.zoom, 2);
  EXPECT_EQ(follow.extent, (PixelSize{600, 200}));
  EXPECT_EQ(follow.originX, 0);
  const Placement fit = PlaceControl(placed.control, surface, {400, 70}, 2, Sizing::Fit);
  EXPECT_EQ(fit.zoom, placed.control.FitZoom({400 * 15.0f, 70 * 15.0f}).value());
  EXPECT_GT(fit.zoom, 2);
  EXPECT_LE(fit.extent.height, 140);
  EXPECT_GT(fit.originX, 0);  // narrower than the view: centred across
  EXPECT_EQ(fit.originX, (800 - fit.extent.width) / 2);
  // Nothing fits a view of one pixel: the control follows it at the ratio.
  const Placement none = PlaceControl(placed.control, surface, {1, 1}, 2, Sizing::Fit);
  EXPECT_EQ(none.zoom, 2);
  EXPECT_EQ(none.extent, (PixelSize{2, 2}));
}

TEST(InputConventions, KeyNamesGiveTheClassicCodes) {
  const struct {
    const char* name;
    int16_t code;
  } rows[] = {
      {"A", 65},
      {"z", 90},
      {"0", 48},
      {"9", 57},
      {"F1", 112},
      {"f12", 123},
      {"F24", 135},
      {"Escape", 27},
      {"esc", 27},
      {"ENTER", 13},
      {"Return", 13},
      {"Tab", 9},
      {"Backspace", 8},
      {"Space", 32},
      {"Left", 37},
      {"Down", 40},
      {"PageUp", 33},
      {"Delete", 46},
      {"Ctrl", 17},
      {"Shift", 16},
      // Not keys it knows: no code.
      {"", 0},
      {"F0", 0},
      {"F25", 0},
      {"F1x", 0},
      {"-", 0},
      {"Escapes", 0},
      {"Lef", 0},
  };
  for (const auto& row : rows) EXPECT_EQ(KeyCodeOfName(row.name), row.code) << row.name;
}

}  // namespace
}  // namespace led::platform::kit
