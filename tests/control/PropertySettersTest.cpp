// The order of each setter's steps, seen in the calls the control makes to its host.
#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "leddisplay/platform/form/FormContainer.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/platform/text/TextLabel.h"
#include "support/ExpectRuntimeError.h"

namespace led::control {
namespace {

using test::ControlFixture;
using StepList = std::vector<std::string>;

struct SetterCase {
  const char* name;
  std::function<void(LEDDisplay&)> set;
  const char* steps;  // the steps apart by spaces; "notify" for "notify:<name>"
};

// The steps a case expects.
StepList Expected(const SetterCase& c) {
  StepList steps;
  std::istringstream words(c.steps);
  for (std::string word; words >> word;)
    steps.push_back(word == "notify" ? "notify:" + std::string(c.name) : word);
  return steps;
}

using D = LEDDisplay;

TEST_F(ControlFixture, EverySetterRunsItsStepsInOrder) {
  const SetterCase cases[] = {
      // Render, then notify.
      {"BackGroundG1", [](D& c) { c.SetBackGroundG1(0x123456); }, "render notify"},
      {"BackGroundG2", [](D& c) { c.SetBackGroundG2(0x654321); }, "render notify"},
      // Notify, then render.
      {"AutoSize", [](D& c) { c.SetAutoSize(core::kFalse); }, "notify render"},
      {"BackGroundStyle", [](D& c) { c.SetBackGroundStyle(model::Gradient_V); }, "notify render"},
      {"Decimals", [](D& c) { c.SetDecimals(1); }, "notify render"},
      {"DecimalPointSize", [](D& c) { c.SetDecimalPointSize(4); }, "notify render"},
      {"ShowAllDecimalPoints", [](D& c) { c.SetShowAllDecimalPoints(core::kFalse); },
       "notify render"},
      {"Digits", [](D& c) { c.SetDigits(6); }, "notify render"},
      {"DigitWidth", [](D& c) { c.SetDigitWidth(20); }, "notify render"},
      {"DigitLeftMargin", [](D& c) { c.SetDigitLeftMargin(8); }, "notify render"},
      {"LeadingZeros", [](D& c) { c.SetLeadingZeros(core::kFalse); }, "notify render"},
      {"LeadingPlusMinus", [](D& c) { c.SetLeadingPlusMinus(core::kFalse); }, "notify render"},
      {"OnColor", [](D& c) { c.SetOnColor(0x00FF00); }, "notify render"},
      {"OffColor", [](D& c) { c.SetOffColor(0x001100); }, "notify render"},
      {"Transparent", [](D& c) { c.SetTransparent(core::kFalse); }, "notify render"},
      {"UseOverRange", [](D& c) { c.SetUseOverRange(core::kTrue); }, "notify render"},
      // A host property first, then the notification, then the redraw.
      {"Appearance", [](D& c) { c.SetAppearance(model::Flat); },
       "Appearance notify BackColor render"},
      {"BorderStyle", [](D& c) { c.SetBorderStyle(model::BorderNone); },
       "BorderStyle notify BackColor render"},
      {"BackColor", [](D& c) { c.SetBackColor(0x202020); }, "BackColor notify render"},
      {"PictureBackGround",
       [](D& c) {
         c.SetPictureBackGround(platform::BitmapPicture::FromImage({2, 2}));
       },
       "Picture notify render"},
      // Render, then the resize handling (which renders again).
      {"DigitHeight", [](D& c) { c.SetDigitHeight(40); }, "notify render layout render"},
      // The resize handling instead of the render pass.
      {"DigitUpperMargin", [](D& c) { c.SetDigitUpperMargin(4); }, "layout render notify"},
      {"DigitSpacing", [](D& c) { c.SetDigitSpacing(6); }, "layout render notify"},
      {"SegmentWidth", [](D& c) { c.SetSegmentWidth(2); }, "layout render notify"},
      {"SegmentSeperation", [](D& c) { c.SetSegmentSeperation(1); }, "layout render notify"},
      {"CaptionLow", [](D& c) { c.SetCaptionLow("volts"); }, "Label1.Caption layout render notify"},
      {"CaptionUpper", [](D& c) { c.SetCaptionUpper("amps"); },
       "Label2.Caption layout render notify"},
      {"CaptionLowPosition", [](D& c) { c.SetCaptionLowPosition(model::LeftPosition); },
       "Label1.Alignment layout render notify"},
      {"CaptionUpperPosition", [](D& c) { c.SetCaptionUpperPosition(model::RightPosition); },
       "Label2.Alignment layout render notify"},
      {"CaptionLowFont",
       [](D& c) { c.SetCaptionLowFont(platform::StdFont::Create("DejaVu Serif", 10)); },
       "Label1.Font layout render notify"},
      {"CaptionUpperFont",
       [](D& c) { c.SetCaptionUpperFont(platform::StdFont::Create("DejaVu Serif", 10)); },
       "Label2.Font layout render notify"},
      // No redraw at all.
      {"CaptionLowForeColor", [](D& c) { c.SetCaptionLowForeColor(0xFF); },
       "Label1.ForeColor notify"},
      {"CaptionUpperForeColor", [](D& c) { c.SetCaptionUpperForeColor(0xFF); },
       "Label2.ForeColor notify"},
      {"MousePointer", [](D& c) { c.SetMousePointer(2); }, "MousePointer notify"},
      {"MouseIcon",
       [](D& c) {
         c.SetMouseIcon(platform::BitmapPicture::FromImage({2, 2}));
       },
       "MouseIcon notify"},
      {"Enabled", [](D& c) { c.SetEnabled(core::kFalse); }, "Enabled notify"},
      // Beyond the published interface.
      {"FlashCells", [](D& c) { c.SetFlashCells(1); }, "notify render"},
      {"FlashInterval", [](D& c) { c.SetFlashInterval(300); }, "notify"},
      {"FlashPhase", [](D& c) { c.SetFlashPhase(core::kFalse); }, "render notify"},
      {"UseLimits", [](D& c) { c.SetUseLimits(core::kTrue); }, "render notify"},
      {"LowLimit", [](D& c) { c.SetLowLimit(-1); }, "render notify"},
      {"HighLimit", [](D& c) { c.SetHighLimit(7); }, "render notify"},
      {"LowColor", [](D& c) { c.SetLowColor(0xFF); }, "render notify"},
      {"HighColor", [](D& c) { c.SetHighColor(0xFF00); }, "render notify"},
      {"Slant", [](D& c) { c.SetSlant(10); }, "render notify"},
      {"Text", [](D& c) { c.SetText("Err"); }, "render notify"},
      {"SegmentStyle", [](D& c) { c.SetSegmentStyle(2); }, "render notify"},
      {"Segments", [](D& c) { c.SetSegments("118"); }, "render notify"},
      {"SetCellSegments", [](D& c) { c.SetCellSegments(2, 121); }, "render notify:Segments"},
      // The method: AutoRedraw on, then render; no notification.
      {"Refresh", [](D& c) { c.Refresh(); }, "AutoRedraw render"},
  };
  for (const SetterCase& c : cases) {
    SCOPED_TRACE(c.name);
    recorder.Clear();
    c.set(control);
    EXPECT_EQ(Steps(), Expected(c));
  }
}

TEST_F(ControlFixture, SettingTheCurrentValueRepeatsEveryStep) {
  control.SetDigits(4);
  control.SetDigits(4);
  EXPECT_EQ(Steps(), (StepList{"notify:Digits", "render", "notify:Digits", "render"}));
}

TEST_F(ControlFixture, ChangeReachesTheHostInsideTheRenderBeforeTheValueNotice) {
  control.SetValue(5);
  control.SetValue(5);
  EXPECT_EQ(Steps(),
            (StepList{"render", "event:Change", "notify:Value", "render", "notify:Value"}));
  recorder.Clear();
  control.SetValue(0);
  control.SetValue(-0.0);  // equal to 0: no change
  EXPECT_EQ(Notices(), (StepList{"event:Change", "notify:Value", "notify:Value"}));
}

TEST_F(ControlFixture, AutoSizeOnFitsTheExtentAndOffLeavesIt) {
  form.SetTwipsPerPixel(15);
  control.SetAutoSize(core::kTrue);
  // Five cells of 24 + 10 pixels after a margin of 3 and the 3D border of 2 pixels a
  // side; the height is two margins of 3, the digit height 48 and 9 pixels of 3D border
  // allowance, all in twips.
  EXPECT_FLOAT_EQ(form.Surface().Width(), (3 + 5 * 34 + 2 * 2) * 15);
  EXPECT_FLOAT_EQ(form.Surface().Height(), (3 + 3 + 48 + 9) * 15);
  const StepList steps = Steps();
  ASSERT_GE(steps.size(), 3u);
  EXPECT_EQ(steps[0], "notify:AutoSize");
  EXPECT_EQ(steps[1], "render");
  // The height computation (its first, lower height cuts the picture), then a pass at
  // the height it left, whose width step changes nothing.
  EXPECT_EQ(StepList(steps.end() - 3, steps.end()), (StepList{"layout", "render", "Width"}));

  recorder.Clear();
  control.SetAutoSize(core::kFalse);
  EXPECT_EQ(Steps(), (StepList{"notify:AutoSize", "render"}));
  EXPECT_EQ(form.Surface().ExtentPixelsX(), 177);
  EXPECT_EQ(form.Surface().ExtentPixelsY(), 63);
}

// With a caption the height AutoSize fits differs from the one the picture was drawn
// at; the setter draws once more at the fitted height, so the picture matches a fresh
// pass.
TEST_F(ControlFixture, AutoSizeThatChangesTheHeightDrawsAgain) {
  form.SetTwipsPerPixel(15);
  control.SetCaptionUpper("X");
  recorder.Clear();
  control.SetAutoSize(core::kTrue);
  const StepList steps = Steps();
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ(steps[0], "notify:AutoSize");
  EXPECT_EQ(steps[1], "render");
  EXPECT_EQ(StepList(steps.end() - 3, steps.end()), (StepList{"layout", "render", "Width"}));

  const platform::Image shown = form.Snapshot();
  control.Refresh();
  const platform::Image fresh = form.Snapshot();
  EXPECT_EQ(shown.height, fresh.height);
  EXPECT_EQ(shown.pixels, fresh.pixels);
}

TEST_F(ControlFixture, FontSetterCopiesSixAttributesIntoTheHeldFont) {
  const host::FontPtr held = control.CaptionLowFont();
  auto given = platform::StdFont::Create("DejaVu Serif", 12.5);
  given->SetItalic(core::kTrue);
  given->SetStrikethrough(core::kTrue);
  given->SetCharset(2);
  control.SetCaptionLowFont(given);

  ASSERT_EQ(control.CaptionLowFont(), held);  // the same object, changed
  EXPECT_NE(control.CaptionLowFont(), given);
  EXPECT_EQ(held->Name(), "DejaVu Serif");
  EXPECT_EQ(held->Size(), 125000);
  EXPECT_EQ(held->Italic(), core::kTrue);
  EXPECT_EQ(held->Strikethrough(), core::kTrue);
  EXPECT_EQ(held->Charset(), 0);  // not copied
  EXPECT_EQ(form.LowerCaption().Font(), held);
  EXPECT_NE(control.CaptionUpperFont(), held);

  // Equal attributes still resize and notify.
  recorder.Clear();
  control.SetCaptionLowFont(platform::StdFont::CopyOf(*held));
  EXPECT_EQ(Notices(), (StepList{"notify:CaptionLowFont"}));
}

TEST_F(ControlFixture, NoFontFailsBeforeAnythingChanges) {
  EXPECT_RUNTIME_ERROR(control.SetCaptionUpperFont(nullptr), core::kObjectNotSet);
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(ControlFixture, BackColorReadsTheControlsOwnCopy) {
  control.SetBackColor(0x336699);
  form.Surface().SetBackColor(0x000001);
  EXPECT_EQ(control.BackColor(), 0x336699u);
  // Appearance and border changes put the control's colour back on the surface.
  control.SetBorderStyle(model::BorderNone);
  EXPECT_EQ(form.Surface().BackColor(), 0x336699u);
}

TEST_F(ControlFixture, BooleansAreKeptAsGiven) {
  control.SetLeadingZeros(1);
  EXPECT_EQ(control.LeadingZeros(), 1);
}

// A value that the base object or a label refuses is not kept: the getters, the
// border allowance and the saved set keep showing what the host objects hold.
TEST_F(ControlFixture, RefusedValuesLeaveTheControlsCopyUnchanged) {
  struct Refusal {
    const char* name;
    std::function<void()> set;
    std::function<int32_t()> member;
    int32_t error;
  };
  const std::vector<Refusal> refusals = {
      {"Appearance overflow", [&] { control.SetAppearance(70000); },
       [&] { return control.State().StoredAppearance; }, core::kOverflow},
      {"Appearance refused", [&] { control.SetAppearance(5); },
       [&] { return control.State().StoredAppearance; }, core::kInvalidPropertyValue},
      {"BorderStyle overflow", [&] { control.SetBorderStyle(-40000); },
       [&] { return control.State().StoredBorderStyle; }, core::kOverflow},
      {"BorderStyle refused", [&] { control.SetBorderStyle(3); },
       [&] { return control.State().StoredBorderStyle; }, core::kInvalidPropertyValue},
      {"CaptionLowPosition overflow", [&] { control.SetCaptionLowPosition(70000); },
       [&] { return control.CaptionLowPosition(); }, core::kOverflow},
      {"CaptionLowPosition refused", [&] { control.SetCaptionLowPosition(7); },
       [&] { return control.CaptionLowPosition(); }, core::kInvalidPropertyValue},
      {"CaptionUpperPosition refused", [&] { control.SetCaptionUpperPosition(-1); },
       [&] { return control.CaptionUpperPosition(); }, core::kInvalidPropertyValue},
      {"FlashInterval too short", [&] { control.SetFlashInterval(49); },
       [&] { return control.FlashInterval(); }, core::kInvalidPropertyValue},
      {"FlashInterval too long", [&] { control.SetFlashInterval(10001); },
       [&] { return control.FlashInterval(); }, core::kInvalidPropertyValue},
      {"LowLimit above HighLimit", [&] { control.SetLowLimit(100.5); },
       [&] { return int32_t(control.LowLimit()); }, core::kInvalidPropertyValue},
      {"HighLimit below LowLimit", [&] { control.SetHighLimit(-0.5); },
       [&] { return int32_t(control.HighLimit()); }, core::kInvalidPropertyValue},
      {"LowLimit NaN", [&] { control.SetLowLimit(std::nan("")); },
       [&] { return int32_t(control.LowLimit()); }, core::kInvalidPropertyValue},
      {"Slant below 0", [&] { control.SetSlant(-0.5); }, [&] { return int32_t(control.Slant()); },
       core::kInvalidPropertyValue},
      {"Slant above 20", [&] { control.SetSlant(20.001); },
       [&] { return int32_t(control.Slant()); }, core::kInvalidPropertyValue},
      {"Slant NaN", [&] { control.SetSlant(std::nan("")); },
       [&] { return int32_t(control.Slant()); }, core::kInvalidPropertyValue},
      {"SegmentStyle beyond sixteen", [&] { control.SetSegmentStyle(3); },
       [&] { return int32_t(control.SegmentStyle()); }, core::kInvalidPropertyValue},
      {"Segments not a number", [&] { control.SetSegments("118,x"); },
       [&] { return int32_t(control.Segments().size()); }, core::kInvalidPropertyValue},
      {"Segments beyond the point's bit", [&] { control.SetSegments("131072"); },
       [&] { return int32_t(control.Segments().size()); }, core::kInvalidPropertyValue},
      {"SetCellSegments of a cell left of the row", [&] { control.SetCellSegments(-1, 1); },
       [&] { return int32_t(control.Segments().size()); }, core::kInvalidPropertyValue},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    const int32_t before = r.member();
    recorder.Clear();
    EXPECT_RUNTIME_ERROR(r.set(), r.error);
    EXPECT_EQ(r.member(), before);
    EXPECT_TRUE(Notices().empty());
  }
  EXPECT_EQ(control.Appearance(), model::ThreeD);
  EXPECT_EQ(control.BorderStyle(), model::FixedSingle);

  form.SetTwipsPerPixel(15);
  control.SetAutoSize(core::kTrue);
  EXPECT_FLOAT_EQ(form.Surface().Height(), (3 + 3 + 48 + 9) * 15);
}

// A surface that refuses one colour, as a host may refuse a system-colour index it
// does not know.
class ColourRefusingSurface : public platform::RasterSurface {
 public:
  static constexpr core::OleColor kRefused = 0x800000FF;
  void SetBackColor(core::OleColor color) override {
    if (color == kRefused) throw core::RuntimeError(core::kInvalidPropertyValue);
    RasterSurface::SetBackColor(color);
  }
};

TEST(BackColorRefused, LeavesTheControlsCopyAndTheSavedSetAsTheyWere) {
  ColourRefusingSurface surface;
  platform::TextLabel lowerCaption(surface, "Label1");
  platform::TextLabel upperCaption(surface, "Label2");
  platform::FormContainer container;
  host::Host host{surface, lowerCaption, upperCaption, container, platform::GdiTable::Instance()};
  LEDDisplay control(host);
  control.InitProperties();
  control.SetBackColor(0x336699);

  EXPECT_RUNTIME_ERROR(control.SetBackColor(ColourRefusingSurface::kRefused),
                       core::kInvalidPropertyValue);
  EXPECT_EQ(control.BackColor(), 0x336699u);
  EXPECT_EQ(surface.BackColor(), 0x336699u);

  // The saved set holds the colour the surface shows, so it loads again on this host.
  platform::MemoryPropertyBag bag;
  control.WriteProperties(bag);
  LEDDisplay reloaded(host);
  EXPECT_EQ(test::ErrorNumberOf([&] { reloaded.ReadProperties(bag); }), 0);
  EXPECT_EQ(reloaded.BackColor(), 0x336699u);
}

TEST_F(ControlFixture, MousePointerOutsideSixteenBitsOverflows) {
  EXPECT_RUNTIME_ERROR(control.SetMousePointer(1 << 16), core::kOverflow);
  EXPECT_EQ(control.MousePointer(), 0);
  EXPECT_TRUE(recorder.Calls().empty());
}

// Segments set by hand read back as set, one cell at a time too, and last until the value
// or the text changes (setting either to what it is keeps them).
TEST_F(ControlFixture, SegmentsSetByHandLastUntilTheValueOrTheTextChanges) {
  control.SetSegments(" 118 , ,121,");
  EXPECT_EQ(control.Segments(), "118,,121");
  control.SetCellSegments(1, 63);
  control.SetCellSegments(2, -1);
  EXPECT_EQ(control.Segments(), "118,63");
  control.SetValue(control.Value());
  EXPECT_EQ(control.Segments(), "118,63");
  control.SetValue(1.5);
  EXPECT_EQ(control.Segments(), "");
  control.SetSegments("118");
  control.SetText("");
  EXPECT_EQ(control.Segments(), "118");
  control.SetText("Err");
  EXPECT_EQ(control.Segments(), "");
}

}  // namespace
}  // namespace led::control
