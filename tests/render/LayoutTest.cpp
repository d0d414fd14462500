// Caption layout, the automatic extent in twips, and the container's notifications.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "RenderFixture.h"
#include "leddisplay/render/AutoSize.h"
#include "leddisplay/render/RenderPass.h"
#include "support/ExpectRuntimeError.h"

namespace led::render {
namespace {

class LayoutTest : public RenderTest {};

TEST_F(LayoutTest, AutoSizeHeightInTwips) {
  struct Case {
    int32_t appearance;
    int32_t borderStyle;
    int16_t margin;
    int16_t digitHeight;
    std::vector<double> heights;
  };
  const Case cases[] = {
      {model::ThreeD, model::FixedSingle, 3, 48, {810, 810 + 9 * 15}},
      {model::ThreeD, model::BorderNone, 5, 30, {600, 675}},
      {model::Flat, model::FixedSingle, 5, 30, {600, 600 + 6 * 15}},
      {model::Flat, model::BorderNone, 5, 30, {600, 675}},
      {2, model::FixedSingle, 5, 30, {600}},  // an unknown pair: no allowance
      {model::Flat, 7, 5, 30, {600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.appearance * 10 + c.borderStyle);
    state.StoredAppearance = c.appearance;
    state.StoredBorderStyle = c.borderStyle;
    state.StoredDigitUpperMargin = c.margin;
    state.StoredDigitHeight = c.digitHeight;
    EXPECT_EQ(Values(Named(Recorded(AutoSizeHeight), "Height")), c.heights);
    EXPECT_FALSE(core::IsTrue(state.SizingInProgress));
  }
}

TEST_F(LayoutTest, CaptionsAddTheirHeightOnlyWithText) {
  lowerCaption.height = 13;
  upperCaption.height = 17;
  AutoSizeHeight(display);
  lowerCaption.caption = "low";
  AutoSizeHeight(display);
  upperCaption.caption = " ";
  AutoSizeHeight(display);
  EXPECT_EQ(Values(Calls("Height")), (std::vector<double>{810, 945,              // no caption
                                                          810 + 195, 945 + 195,  // the lower one
                                                          810 + 195 + 255, 945 + 450}));  // both
}

TEST_F(LayoutTest, TwipsPerPixelIsReadAfresh) {
  form.SetTwipsPerPixel(12);
  AutoSizeHeight(display);
  // m = 36 twips, counted twice; 48 * 12 = 576; border 9 * 12.
  EXPECT_EQ(Values(Calls("Height")), (std::vector<double>{648, 756}));
}

TEST_F(LayoutTest, MarginOverflowClearsSizingInProgress) {
  state.StoredDigitUpperMargin = 3000;  // 45000 twips
  EXPECT_RUNTIME_ERROR(AutoSizeHeight(display), core::kOverflow);
  EXPECT_TRUE(Calls("Height").empty());
  EXPECT_FALSE(core::IsTrue(state.SizingInProgress));

  // Later resizes lay out and redraw again.
  state.StoredAutoSize = core::kTrue;
  const std::vector<json> calls = Recorded(ResizeHandling);
  // The failing sizing is skipped here and in the resize of the width change; both
  // still place the lower caption and render.
  for (const char* name : {"Label1.Top", "Cls", "Width"})
    EXPECT_EQ(Named(calls, name).size(), 2u) << name;
}

TEST_F(LayoutTest, WidthFromTheCellsInTwips) {
  state.StoredLeadingPlusMinus = core::kFalse;
  state.StoredDecimals = 0;
  state.StoredDigitLeftMargin = 10;
  state.StoredDigitWidth = 20;
  state.StoredDigitSpacing = 5;
  state.StoredAutoSize = core::kTrue;
  RenderDisplay(display);
  // Four cells of 20 + 5 after a margin of 10, and 2 pixels of 3D border a side.
  EXPECT_EQ(Calls("Width").front()["value"], (10 + 4 * 25 + 2 * 2) * 15);
}

TEST_F(LayoutTest, AutoSizedStartingStateEndsAt177By63Pixels) {
  state.StoredAutoSize = core::kTrue;
  ResizeHandling(display);
  EXPECT_EQ(Surface().ExtentPixelsX(), 177);  // a row of 173 and the border
  EXPECT_EQ(Surface().ExtentPixelsY(), 63);
  EXPECT_EQ(Values(Calls("Height")).back(), 945);
  EXPECT_EQ(Values(Calls("Width")), (std::vector<double>{2655, 2655}));
  // The resize's own pass and the nested one of the width change; the resizes inside
  // AutoSizeHeight only move the labels.
  EXPECT_EQ(Calls("Cls").size(), 2u);
  EXPECT_FALSE(core::IsTrue(state.SizingInProgress));
}

// The reckoned extent is the one AutoSize then sets, also where the twips per pixel
// make the surface round the first height; reckoning sets nothing.
TEST_F(LayoutTest, ReckonedExtentIsWhatAutoSizeSets) {
  struct Case {
    float twipsPerPixel;
    float captionHeight;  // 0: no caption
    int32_t appearance;
    int32_t borderStyle;
    int16_t digits;
  };
  const Case cases[] = {
      {15, 13, model::ThreeD, model::FixedSingle, 4},
      {12.7f, 13.4f, model::ThreeD, model::FixedSingle, 7},
      {9.3f, 17.6f, model::Flat, model::BorderNone, 3},
      {11.1f, 0, 2, model::FixedSingle, 5},  // no allowance: one height
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.twipsPerPixel);
    form.SetTwipsPerPixel(c.twipsPerPixel);
    lowerCaption.caption = c.captionHeight > 0 ? "low" : "";
    lowerCaption.height = c.captionHeight;
    state.StoredAppearance = c.appearance;
    state.StoredBorderStyle = c.borderStyle;
    state.StoredDigits = c.digits;
    state.StoredAutoSize = core::kTrue;
    recorder.Clear();
    const std::optional<core::TwipsExtent> reckoned = ReckonAutoSize(display);
    EXPECT_TRUE(Calls().empty());
    ASSERT_TRUE(reckoned.has_value());
    RenderDisplay(display);
    AutoSizeHeight(display);
    EXPECT_EQ(float(Values(Calls("Width")).back()), reckoned->width);
    EXPECT_EQ(float(Values(Calls("Height")).back()), reckoned->height);
  }
  state.StoredDigitWidth = 32000;  // the row overflows
  EXPECT_FALSE(ReckonAutoSize(display).has_value());
  state.StoredSegmentWidth = 0;  // nothing is drawn
  state.StoredDigitWidth = 24;
  EXPECT_FALSE(ReckonAutoSize(display).has_value());
}

TEST_F(LayoutTest, CaptionPlaces) {
  Surface().SetExtentPixels(200, 80);
  lowerCaption.width = 40;
  upperCaption.width = 30;
  struct Case {
    int32_t position;
    float lower;
    float upper;
  };
  const Case cases[] = {
      {model::LeftPosition, 3, 1},  // the lower caption at the digits, the upper at 1
      {model::RightPosition, 160, 170},
      {model::CenterPosition, 80, 85},
      {7, -1, -1},  // unknown: both stay where they are
      {-1, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    lowerCaption.left = upperCaption.left = -1;
    state.StoredCaptionLowPosition = c.position;
    state.StoredCaptionUpperPosition = c.position;
    ResizeHandling(display);
    EXPECT_EQ(lowerCaption.left, c.lower);
    EXPECT_EQ(upperCaption.left, c.upper);
    EXPECT_EQ(upperCaption.top, 0);
    EXPECT_EQ(lowerCaption.top, 80 - 13);
  }
}

TEST_F(LayoutTest, ResizeStepsRunInOrder) {
  Surface().SetExtentPixels(200, 80);
  const std::vector<json> calls = Recorded(ResizeHandling);
  ASSERT_GE(calls.size(), 5u);
  EXPECT_EQ(calls[0], (json{{"call", "Label1.Left"}, {"value", 80}}));
  EXPECT_EQ(calls[1], (json{{"call", "Label2.Left"}, {"value", 80}}));
  EXPECT_EQ(calls[2], (json{{"call", "Label2.Top"}, {"value", 0}}));
  EXPECT_EQ(calls[3], (json{{"call", "Label1.Top"}, {"value", 67}}));
  EXPECT_EQ(calls[4], (json{{"call", "DrawWidth"}, {"value", 1}}));
}

TEST_F(LayoutTest, FailingStepIsSkipped) {
  Surface().SetExtentPixels(200, 80);
  lowerCaption.refuseLeft = true;
  EXPECT_EQ(Named(Recorded(ResizeHandling), "Cls").size(), 1u);
  EXPECT_EQ(upperCaption.left, 80);
  EXPECT_EQ(lowerCaption.top, 67);
}

TEST_F(LayoutTest, NoAutoSizeOutsidePixelScale) {
  state.StoredAutoSize = core::kTrue;
  Surface().SetScaleMode(host::kScaleTwips);
  ResizeHandling(display);
  // This resize only places and renders; the pass switches to pixels, and only the
  // resize of its width change then sizes the height.
  const std::vector<json> calls = Calls();
  const auto first = [&](const char* name) {
    for (size_t i = 0; i < calls.size(); ++i)
      if (calls[i]["call"] == name) return i;
    return calls.size();
  };
  EXPECT_LT(first("Label1.Top"), first("Cls"));
  EXPECT_LT(first("Cls"), first("Width"));
  EXPECT_LT(first("Width"), first("Height"));
}

TEST_F(LayoutTest, NoSizingOrDrawingWhileSizingInProgress) {
  state.StoredAutoSize = core::kTrue;
  state.SizingInProgress = core::kTrue;
  ResizeHandling(display);
  EXPECT_TRUE(Calls("Height").empty());
  EXPECT_TRUE(Calls("Cls").empty());
  EXPECT_EQ(Calls("Label1.Top").size(), 1u);
}

TEST_F(LayoutTest, RefreshShowAndPaint) {
  PaintHandling(display);
  EXPECT_TRUE(Calls().empty());

  ShowHandling(display);
  EXPECT_EQ(Calls("Cls").size(), 1u);

  const std::vector<json> calls = Recorded(Refresh);
  EXPECT_EQ(calls[0], (json{{"call", "AutoRedraw"}, {"value", true}}));
  EXPECT_EQ(calls[1], (json{{"call", "DrawWidth"}, {"value", 1}}));

  state.StoredDigits = 0;
  EXPECT_EQ(Recorded(Refresh), std::vector<json>{(json{{"call", "AutoRedraw"}, {"value", true}})});
}

}  // namespace
}  // namespace led::render
