// The host kit: a display placed in a view has one size at every device ratio, fits and
// follows, a fitted one enlarged whole; a view point reaches the control's handlers as
// the same numbers at every device ratio and zoom, in pixels or twips; key names give
// the classic key codes; the disabled look and a palette's colours reach the pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/host/Surface.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/kit/DisabledLook.h"
#include "leddisplay/platform/kit/FlashClock.h"
#include "leddisplay/platform/kit/FormHost.h"
#include "leddisplay/platform/kit/InputConventions.h"
#include "leddisplay/platform/kit/Palette.h"
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

// Placed by a host: `sizing` in a view of `view` pixels at `ratio`, with the placement
// applied as a host applies it, then shown.
Placement Place(PlacedControl& placed, PixelSize view, double ratio, Sizing sizing) {
  PlacedLabel* const captions[] = {&placed.form.LowerCaption(), &placed.form.UpperCaption()};
  RasterSurface& surface = placed.form.Surface();
  const Placement p = PlaceControl(placed.control, surface, view, ratio, sizing, captions);
  surface.SetBorderZoom(p.zoom);
  placed.control.SetZoom(p.zoom);
  if (sizing == Sizing::AutoSize)
    placed.control.SetAutoSize(core::kTrue);
  else
    surface.SetExtentPixels(p.extent.width, p.extent.height);
  placed.control.Show();
  return p;
}

// Fitted into a view twice the auto-sized one the display is that one enlarged whole:
// at zoom 2 exactly, twice the extent, the captions twice as large (were they kept at
// their size, a larger zoom would fit). Without captions it is the auto-sized display at
// ratio 2, pixel for pixel.
TEST(Placement, AFittedDisplayIsTheAutoSizedOneEnlarged) {
  for (const char* caption : {"", "Volts"}) {
    SCOPED_TRACE(caption);
    PlacedControl autoSized(2), fitted(1);
    for (PlacedControl* placed : {&autoSized, &fitted}) {
      placed->control.SetCaptionUpper(caption);
      placed->control.SetCaptionLow(caption);
    }
    const int32_t captionHeight = fitted.form.UpperCaption().PixelHeight();
    const Placement a = Place(autoSized, {kStartWidth, kStartHeight}, 2, Sizing::AutoSize);
    const std::optional<PixelSize> view = AutoViewSize(fitted.control, fitted.form.Surface(), 1);
    ASSERT_TRUE(view.has_value());
    const Placement f = Place(fitted, {view->width * 2, view->height * 2}, 1, Sizing::Fit);
    EXPECT_EQ(f.zoom, 2);
    EXPECT_EQ(f.extent, (PixelSize{view->width * 2, view->height * 2}));
    EXPECT_EQ(fitted.form.UpperCaption().Scale(), 2);
    EXPECT_EQ(fitted.form.UpperCaption().PixelHeight(), 2 * captionHeight);
    if (*caption == 0) {
      EXPECT_EQ(f.extent, a.extent);
      EXPECT_TRUE(autoSized.form.Snapshot().pixels == fitted.form.Snapshot().pixels);
    }
    // Sized by the view again, the captions are at their fonts' size.
    Place(fitted, *view, 1, Sizing::Follow);
    EXPECT_EQ(fitted.form.UpperCaption().Scale(), 1);
  }
}

TEST(Placement, ANewFormHasTheFirstValuesAutoSizeExtent) {
  PlacedControl placed(1);
  EXPECT_EQ(placed.form.Surface().ExtentPixelsX(), kStartWidth);
  EXPECT_EQ(placed.form.Surface().ExtentPixelsY(), kStartHeight);
  placed.control.SetAutoSize(core::kTrue);
  EXPECT_EQ(placed.form.Surface().ExtentPixelsX(), kStartWidth);
  EXPECT_EQ(placed.form.Surface().ExtentPixelsY(), kStartHeight);
}

// Disabled, lit segments dim halfway toward the unlit colour, unlit ones and the back
// stay, the captions turn grey; enabled again, the display is as it was. The frame
// follows every change and keeps its pixels' storage.
TEST(DisabledLook, DisablingChangesTheLitPixelsAndTheCaptions) {
  PlacedControl placed(1);
  ShowDisabledLook(placed.control, placed.form.Surface());
  placed.control.SetValue(8.0);
  const Image enabled = placed.form.Frame();
  const Pixel* storage = placed.form.Frame().pixels.data();
  const RasterSurface& surface = placed.form.Surface();
  const Pixel lit = OpaquePixel(surface.Resolve(placed.control.OnColor()));
  const Pixel unlit = OpaquePixel(surface.Resolve(placed.control.OffColor()));
  const Pixel dimmed = OpaquePixel(DisabledLineColor(surface.Resolve(placed.control.OnColor()),
                                                     surface.Resolve(placed.control.OffColor())));
  ASSERT_NE(dimmed, lit);

  placed.control.SetEnabled(core::kFalse);
  const Image& disabled = placed.form.Frame();
  EXPECT_EQ(disabled.pixels.data(), storage);
  int litSeen = 0, dimmedSeen = 0;
  for (size_t i = 0; i < enabled.pixels.size(); ++i) {
    litSeen += disabled.pixels[i] == lit;
    dimmedSeen += disabled.pixels[i] == dimmed;
    if (enabled.pixels[i] == unlit) {
      EXPECT_EQ(disabled.pixels[i], unlit);
    } else if (enabled.pixels[i] == lit) {
      EXPECT_EQ(disabled.pixels[i], dimmed);
    }
  }
  EXPECT_EQ(litSeen, 0);
  EXPECT_GT(dimmedSeen, 100);
  placed.control.SetCaptionUpper("Volts");
  EXPECT_EQ(placed.form.UpperCaption().DrawnColor(), placed.form.Surface().SystemColor(17));
  placed.control.SetCaptionUpper("");

  placed.control.SetEnabled(core::kTrue);
  EXPECT_TRUE(placed.form.Frame().pixels == enabled.pixels);
  for (const auto change : {+[](control::LEDDisplay& c) { c.SetValue(1.0); },
                            +[](control::LEDDisplay& c) { c.SetCaptionUpper("Amps"); },
                            +[](control::LEDDisplay& c) { c.SetBorderStyle(0); }}) {
    change(placed.control);
    EXPECT_TRUE(placed.form.Frame().pixels == placed.form.Snapshot().pixels);
  }
}

TEST(Palette, ARoleTheToolkitGivesReachesItsIndicesAndNoOther) {
  SystemColorSet base{};
  base.fill(0x123456);
  Palette palette;
  palette.Set(PaletteRole::Dark, 0x808080);
  palette.Set(PaletteRole::DisabledText, 0xA0A0A0);
  const SystemColorSet colors = SystemColorsOf(palette, base);
  for (int32_t i = 0; i < kSystemColorCount; ++i) {
    const std::optional<PaletteRole> role = RoleOfSystemColor(i);
    const core::OleColor want = role == PaletteRole::Dark           ? 0x808080
                                : role == PaletteRole::DisabledText ? 0xA0A0A0
                                                                    : 0x123456;
    EXPECT_EQ(colors[size_t(i)], want) << i;
  }
  EXPECT_EQ(RoleOfSystemColor(kColorButtonShadow), PaletteRole::Dark);
  EXPECT_EQ(RoleOfSystemColor(kColorDesktop), std::nullopt);
  EXPECT_EQ(RoleOfSystemColor(31), std::nullopt);
  EXPECT_EQ(RoleOfSystemColor(-1), std::nullopt);
  // Not an RGB value, or not a role: refused, nothing changes.
  EXPECT_THROW(palette.Set(PaletteRole::Dark, 0x80000005), core::RuntimeError);
  EXPECT_THROW(palette.Set(PaletteRole(kPaletteRoleCount), 0), core::RuntimeError);
  EXPECT_EQ(palette.Get(PaletteRole::Dark), 0x808080u);
}

// A toolkit's host: the same logical click reaches the handlers as the same numbers at
// every ratio and when fitted, in the conventions' order; a swallowed key goes no further.
TEST(FormHost, ClicksAndKeysReachTheHandlersAlikeAtEveryRatio) {
  std::vector<std::string> expectedOrder;
  std::optional<std::pair<float, float>> first;
  for (const auto& [ratio, fit] :
       {std::pair{1.0, false}, {1.5, false}, {2.0, false}, {1.0, true}, {2.0, true}}) {
    SCOPED_TRACE(::testing::Message() << "ratio " << ratio << (fit ? ", fitted" : ""));
    FormHost host;
    std::vector<std::string> order;
    std::pair<float, float> down{};
    host.GetForm().OnEvent([&](int32_t, const std::string& name, std::span<host::EventArg> args) {
      order.push_back(name);
      if (name == "MouseDown") down = {args[2].value.ToSingle(), args[3].value.ToSingle()};
      if (name == "KeyDown") args[0].value = core::Variant::FromInteger(0);  // swallowed
    });
    const PixelSize view =
        fit ? PixelSize{kStartWidth * 2, kStartHeight * 2} : PixelSize{kStartWidth, kStartHeight};
    const Placement& p = host.Place(view, ratio, fit);
    EXPECT_EQ(p.zoom, fit ? ratio * 2 : ratio);
    // The display's point (40, 30) at zoom 1, where this placement shows it.
    const double scale = p.zoom / ratio;
    const double x = p.originX / ratio + 40 * scale, y = p.originY / ratio + 30 * scale;
    host.Press(kButtonLeft, kShiftCtrl, x, y);
    host.Release(kButtonLeft, kShiftCtrl, x, y, true);
    host.DoubleClick(kButtonLeft, 0, x, y);
    host.Release(kButtonLeft, 0, x, y, true);
    EXPECT_TRUE(host.KeyDown(kKeyEscape, 0, 27));
    if (!first) first = down;
    EXPECT_NEAR(down.first, first->first, 1);
    EXPECT_NEAR(down.second, first->second, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"MouseDown", "MouseUp", "Click", "DblClick",
                                               "MouseUp", "KeyDown"}));
    // A host repaints when the frame changed since it last took it.
    host.Frame();
    EXPECT_FALSE(host.FrameChanged());
    host.Control().SetValue(3.5);
    EXPECT_TRUE(host.FrameChanged());
  }
}

TEST(InputConventions, ToolkitButtonNumbersAndModifiers) {
  EXPECT_EQ(ButtonOfNumber(1), kButtonLeft);
  EXPECT_EQ(ButtonOfNumber(2), kButtonMiddle);
  EXPECT_EQ(ButtonOfNumber(3), kButtonRight);
  for (const int other : {0, 4, 8, -1}) EXPECT_EQ(ButtonOfNumber(other), 0) << other;
  EXPECT_EQ(ShiftOf(true, false, true), kShiftShift + kShiftAlt);
  EXPECT_EQ(ShiftOf(false, true, false), kShiftCtrl);
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
      // GDK's spellings.
      {"Page_Up", 33},
      {"Shift_L", 16},
      {"Control_R", 17},
      {"Alt_L", 18},
      {"BackSpace", 8},
      // Not keys it knows: no code.
      {"", 0},
      {"F0", 0},
      {"F25", 0},
      {"F1x", 0},
      {"-", 0},
      {"Escapes", 0},
      {"Lef", 0},
      {"Super_L", 0},
      {"_", 0},
  };
  for (const auto& row : rows) EXPECT_EQ(KeyCodeOfName(row.name), row.code) << row.name;
}

// The phase at each tick, the time to the next change, and no timer while nothing
// flashes; Value changes keep the phase, a change of mask or interval is followed.
TEST(FlashClock, ThePhaseFollowsTheIntervalFromTheFirstTick) {
  platform::Form form;
  control::LEDDisplay display(form.Host());
  display.InitProperties();
  kit::FlashClock clock;
  EXPECT_EQ(clock.Tick(display, 1000), std::nullopt);  // nothing flashes
  display.SetFlashCells(0b11);
  display.SetFlashInterval(200);
  struct Step {
    int64_t now;
    bool shown;
    int64_t next;
  };
  const Step steps[] = {{5000, true, 200}, {5150, true, 50},  {5200, false, 200},
                        {5399, false, 1},  {5400, true, 200}, {6130, false, 70}};
  for (const Step& s : steps) {
    EXPECT_EQ(clock.Tick(display, s.now), s.next) << s.now;
    EXPECT_EQ(core::IsTrue(display.FlashPhase()), s.shown) << s.now;
    display.SetValue(double(s.now));  // keeps the phase
    EXPECT_EQ(core::IsTrue(display.FlashPhase()), s.shown) << s.now;
  }
  display.SetFlashCells(0);  // off: the phase is shown again, no timer
  EXPECT_EQ(clock.Tick(display, 6200), std::nullopt);
  EXPECT_TRUE(core::IsTrue(display.FlashPhase()));
  display.SetFlashCells(1);  // on again: timed from this tick
  EXPECT_EQ(clock.Tick(display, 9000), 200);
  EXPECT_TRUE(core::IsTrue(display.FlashPhase()));
}

}  // namespace
}  // namespace led::platform::kit
