// The host's zoom: a zoomed control draws, pixel for pixel, as one whose lengths were
// set to the zoomed values; bad zooms are refused; FitZoom finds the largest that fits.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "support/ExpectRuntimeError.h"

namespace led::control {
namespace {

// A new control on a form of its own, its resize wired as a container wires it.
struct Placed {
  Placed() {
    form.OnResize([this] { control.Resize(); });
    control.InitProperties();
    form.Surface().SetWidth(2655);
    form.Surface().SetHeight(945);
  }
  platform::Image Shown() {
    control.Refresh();
    return form.Snapshot();
  }
  platform::Form form;
  LEDDisplay control{form.Host()};
};

// The eight lengths, in the order of the starting state: 24, 48, 3, 2, 3, 3, 10, 3.
struct Lengths {
  int16_t digitWidth, digitHeight, segmentWidth, segmentSeperation, digitLeftMargin,
      digitUpperMargin, digitSpacing, decimalPointSize;
};

void SetLengths(LEDDisplay& c, const Lengths& l) {
  c.SetDigitWidth(l.digitWidth);
  c.SetDigitHeight(l.digitHeight);
  c.SetSegmentWidth(l.segmentWidth);
  c.SetSegmentSeperation(l.segmentSeperation);
  c.SetDigitLeftMargin(l.digitLeftMargin);
  c.SetDigitUpperMargin(l.digitUpperMargin);
  c.SetDigitSpacing(l.digitSpacing);
  c.SetDecimalPointSize(l.decimalPointSize);
}

struct ZoomCase {
  const char* name;
  std::function<void(LEDDisplay&)> configure;  // anything but the lengths
  Lengths stored;
  double zoom;
  Lengths zoomed;  // the stored lengths by the rounding rule, worked out by hand
};

constexpr Lengths kStarting{24, 48, 3, 2, 3, 3, 10, 3};
constexpr Lengths kDoubled{48, 96, 6, 4, 6, 6, 20, 6};

// The minus sign's stroke, lit, is as many rows thicker as the zoom (three rows at zoom
// 1, ZoomLength(3, zoom) under it), and whole at every digit height: its rows adjacent,
// though its centre may lie on a half pixel.
TEST(Zoom, TheSignIsAsThickAsTheZoomAndWhole) {
  for (const double zoom : {1.0, 1.5, 2.0, 8.0}) {
    for (int16_t height = 20; height <= 80; height += zoom == 1 ? 1 : 15) {
      SCOPED_TRACE(::testing::Message() << "zoom " << zoom << ", height " << height);
      Placed placed;
      placed.control.SetDigitHeight(height);
      placed.control.SetValue(-1);
      placed.form.Surface().SetBorderZoom(zoom);
      placed.control.SetZoom(zoom);
      placed.control.SetAutoSize(core::kTrue);
      const platform::Image shown = placed.Shown();
      const platform::Pixel lit = platform::OpaquePixel(placed.control.OnColor());
      // A column through the minus bar only: a little right of the cell's left margin.
      const int32_t x = placed.form.Surface().BorderThickness() +
                        core::ZoomLength(placed.control.DigitLeftMargin(), zoom) +
                        core::ZoomLength(4, zoom);
      std::vector<int32_t> rows;
      for (int32_t y = 0; y < shown.height; ++y)
        if (shown.at(x, y) == lit) rows.push_back(y);
      ASSERT_EQ(rows.size(), size_t(core::ZoomLength(3, zoom)));
      EXPECT_EQ(rows.back() - rows.front() + 1, int32_t(rows.size()));
    }
  }
}

TEST(Zoom, DrawsAsTheZoomedLengthsWould) {
  const ZoomCase cases[] = {
      {"3D, sign, three decimals", [](LEDDisplay& c) { c.SetValue(-1.5); }, kStarting, 2, kDoubled},
      {"flat, no sign",
       [](LEDDisplay& c) {
         c.SetAppearance(0);
         c.SetLeadingPlusMinus(false);
         c.SetDecimals(1);
         c.SetValue(42.5);
       },
       kStarting, 2, kDoubled},
      {"all points, leading zeros",
       [](LEDDisplay& c) {
         c.SetShowAllDecimalPoints(true);
         c.SetLeadingZeros(true);
         c.SetDigits(6);
         c.SetValue(7.25);
       },
       kStarting, 2, kDoubled},
      {"over range",
       [](LEDDisplay& c) {
         c.SetUseOverRange(true);
         c.SetValue(123456);
       },
       kStarting, 2, kDoubled},
      {"vertical gradient, no border",
       [](LEDDisplay& c) {
         c.SetBorderStyle(0);
         c.SetBackGroundStyle(1);
         c.SetBackGroundG1(0x0000FF);
         c.SetBackGroundG2(0xFF0000);
         c.SetValue(3.142);
       },
       kStarting, 2, kDoubled},
      {"captions above and below",
       [](LEDDisplay& c) {
         c.SetCaptionUpper("Upper");
         c.SetCaptionLow("Lower");
         c.SetCaptionLowPosition(0);
         c.SetValue(1.5);
       },
       kStarting, 2, kDoubled},
      // Halves go away from zero, and nothing that is not zero shrinks below 1.
      {"zoom 1.5",
       [](LEDDisplay& c) { c.SetValue(-8.8); },
       kStarting,
       1.5,
       {36, 72, 5, 3, 5, 5, 15, 5}},
      {"zoom 0.25",
       [](LEDDisplay& c) { c.SetValue(8.8); },
       {24, 48, 3, 1, 3, 3, 10, 2},
       0.25,
       {6, 12, 1, 1, 1, 1, 3, 1}},
      {"negative spacing at 1.5",
       [](LEDDisplay& c) { c.SetValue(8.8); },
       {24, 48, 3, 2, 3, 3, -3, 3},
       1.5,
       {36, 72, 5, 3, 5, 5, -5, 5}},
  };
  // The surfaces draw their border at the zoom, as a host does. The reference draws at
  // the zoomed control's extent: AutoSize sets only the extent, which is checked apart.
  for (const bool autoSize : {true, false}) {
    for (const ZoomCase& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.name << (autoSize ? ", AutoSize" : ""));
      Placed zoomed, reference, unzoomed;
      for (Placed* p : {&zoomed, &reference, &unzoomed}) {
        p->control.SetAutoSize(autoSize);
        c.configure(p->control);
      }
      SetLengths(zoomed.control, c.stored);
      SetLengths(unzoomed.control, c.stored);
      zoomed.form.Surface().SetBorderZoom(c.zoom);
      zoomed.control.SetZoom(c.zoom);
      zoomed.control.Resize();
      reference.control.SetAutoSize(core::kFalse);
      SetLengths(reference.control, c.zoomed);
      reference.form.Surface().SetBorderZoom(c.zoom);
      reference.form.Surface().SetExtentPixels(zoomed.form.Surface().ExtentPixelsX(),
                                               zoomed.form.Surface().ExtentPixelsY());
      reference.control.Resize();

      const platform::Image shown = zoomed.Shown(), expected = reference.Shown();
      ASSERT_EQ(shown.width, expected.width);
      ASSERT_EQ(shown.height, expected.height);
      // The sign's strokes grow with the zoom (TheSignIsAsThickAsTheZoomAndWhole), where
      // the reference's stay three lines: the rest is alike.
      const int32_t signEnd =
          zoomed.form.Surface().BorderThickness() + c.zoomed.digitLeftMargin + c.zoomed.digitWidth;
      int32_t differing = 0;
      for (int32_t y = 0; y < shown.height; ++y)
        for (int32_t x = signEnd; x < shown.width; ++x)
          differing += shown.at(x, y) != expected.at(x, y);
      EXPECT_EQ(differing, 0);
      // At a whole zoom everything auto-sized scales, the border and its allowance too
      // (the captions' fonts are the host's to scale: this one keeps them).
      if (autoSize && c.zoom == std::round(c.zoom) && zoomed.control.CaptionLow().empty()) {
        const platform::Image plain = unzoomed.Shown();
        EXPECT_EQ(shown.width, plain.width * c.zoom);
        EXPECT_EQ(shown.height, plain.height * c.zoom);
      }
      // Asked at the zoom, a control not yet zoomed answers as the zoomed one.
      EXPECT_EQ(unzoomed.control.AutoSizeExtentAt(c.zoom), zoomed.control.AutoSizeExtent());
      // The stored lengths are the user's: the zoom changes none of them.
      EXPECT_EQ(zoomed.control.DigitWidth(), c.stored.digitWidth);
    }
  }
}

TEST(Zoom, RefusesAZoomThatIsNotFiniteAndPositive) {
  Placed placed;
  placed.control.SetZoom(2);
  for (const double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()}) {
    EXPECT_RUNTIME_ERROR(placed.control.SetZoom(bad), core::kInvalidPropertyValue) << bad;
    EXPECT_EQ(placed.control.Zoom(), 2);
  }
}

TEST(Zoom, ALengthBeyondSixteenBitsDrawsNothingAndHasNoExtent) {
  Placed placed;
  placed.control.SetAutoSize(true);
  placed.control.SetZoom(2000);  // DigitWidth 48000
  EXPECT_FALSE(placed.control.AutoSizeExtent().has_value());
  EXPECT_RUNTIME_ERROR(placed.control.SetAutoSize(true), core::kOverflow);
  EXPECT_NO_THROW(placed.control.Refresh());
}

TEST(Zoom, FitZoomIsTheLargestStepThatFits) {
  struct FitCase {
    const char* name;
    std::function<void(LEDDisplay&)> configure;
    core::TwipsExtent available;
  };
  const FitCase cases[] = {
      {"starting state, wide", [](LEDDisplay&) {}, {20000, 3000}},
      {"starting state, tall", [](LEDDisplay&) {}, {6000, 20000}},
      {"captions do not grow", [](LEDDisplay& c) { c.SetCaptionUpper("Pressure"); }, {9000, 4000}},
      {"six digits, no border",
       [](LEDDisplay& c) {
         c.SetDigits(6);
         c.SetBorderStyle(0);
       },
       {3000, 900}},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.name);
    Placed placed;
    c.configure(placed.control);
    const std::optional<double> fit = placed.control.FitZoom(c.available);
    ASSERT_TRUE(fit.has_value());
    EXPECT_EQ(placed.control.Zoom(), 1);
    const auto extentAt = [&](double zoom) {
      placed.control.SetZoom(zoom);
      return placed.control.AutoSizeExtent().value();
    };
    const core::TwipsExtent at = extentAt(*fit);
    EXPECT_LE(at.width, c.available.width);
    EXPECT_LE(at.height, c.available.height);
    const core::TwipsExtent above = extentAt(*fit + LEDDisplay::kFitZoomStep);
    EXPECT_TRUE(above.width > c.available.width || above.height > c.available.height);
  }
}

TEST(Zoom, FitZoomIsEmptyWhenNothingFitsOrNothingIsDrawn) {
  Placed placed;
  EXPECT_FALSE(placed.control.FitZoom({100, 100}).has_value());
  placed.control.SetDigits(0);
  EXPECT_FALSE(placed.control.FitZoom({20000, 20000}).has_value());
}

}  // namespace
}  // namespace led::control
