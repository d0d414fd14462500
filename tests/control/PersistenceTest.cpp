// First placement, save, load and termination.
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/platform/text/TextLabel.h"
#include "support/ExpectRuntimeError.h"
#include "support/ScratchFolder.h"

namespace led::control {
namespace {

using core::Variant;
using platform::MemoryPropertyBag;
using test::ControlFixture;

// Splits `text` at each `separator`.
std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (size_t at = 0; at <= text.size();) {
    const size_t end = std::min(text.find(separator, at), text.size());
    parts.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  return parts;
}

// A bag over a memory bag that logs the keys read, and the keys read and written each
// with the default passed as "Key=Type:value" ("Object:set" or "Object:none" for
// objects). It can keep every plain value as its text (as a text-based form file would).
class LoggingBag : public host::PropertyBag {
 public:
  explicit LoggingBag(bool asText = false) : asText_(asText) {}
  Variant ReadProperty(const std::string& key, const Variant& defaultValue) override {
    reads.push_back(key);
    readDefaults.push_back(key + "=" + Describe(defaultValue));
    return inner.ReadProperty(key, defaultValue);
  }
  void WriteProperty(const std::string& key, const Variant& value,
                     const Variant& defaultValue) override {
    writeDefaults.push_back(key + "=" + Describe(defaultValue));
    const bool plain = value.type() != core::VariantType::Object;
    inner.WriteProperty(key, asText_ && plain ? Variant::FromString(value.ToString()) : value,
                        defaultValue);
  }
  static std::string Describe(const Variant& v) {
    if (v.type() == core::VariantType::Object) return v.ToObject() ? "Object:set" : "Object:none";
    return std::string(v.TypeName()) + ":" + v.ToString();
  }
  MemoryPropertyBag inner;
  std::vector<std::string> reads, readDefaults, writeDefaults;

 private:
  bool asText_;
};

// Every property read through the programmable interface, objects by their contents.
std::vector<std::string> PropertyValues(LEDDisplay& control) {
  std::vector<std::string> values;
  std::vector<PropertyDescription> saved(PropertyTable().begin(), PropertyTable().end());
  for (const PropertyDescription& p : ExtensionPropertyTable())
    if (p.name != "FlashPhase") saved.push_back(p);  // kept by whoever keeps time
  for (const PropertyDescription& p : saved) {
    if (p.name == "hWnd") continue;
    const Variant v = p.get(control);
    std::string text = std::string(p.name) + "=";
    if (p.type == PropertyType::Font) {
      const auto font = std::dynamic_pointer_cast<host::Font>(v.ToObject());
      text += font ? font->Name() + "/" + std::to_string(font->Size()) + "/" +
                         std::to_string(font->Bold()) + std::to_string(font->Italic()) +
                         std::to_string(font->Underline()) + std::to_string(font->Strikethrough())
                   : "none";
    } else if (p.type == PropertyType::Picture) {
      const auto picture = std::dynamic_pointer_cast<platform::BitmapPicture>(v.ToObject());
      text += picture ? std::to_string(picture->Width()) + "x" + std::to_string(picture->Height()) +
                            ":" + std::to_string(picture->Bitmap().at(1, 0))
                      : "none";
    } else {
      text += std::string(v.TypeName()) + ":" + v.ToString();
    }
    values.push_back(text);
  }
  return values;
}

void ChangeEveryProperty(LEDDisplay& c) {
  c.SetValue(-12.345);
  c.SetAppearance(model::Flat);
  c.SetAutoSize(1);  // kept as given, not as -1
  c.SetBackGroundStyle(model::Gradient_V);
  c.SetBackGroundG1(0x010203);
  c.SetBackGroundG2(0x80000005);  // a system colour
  c.SetBorderStyle(model::BorderNone);
  c.SetCaptionLow("lower text");
  c.SetCaptionLowForeColor(0x0A0B0C);
  c.SetCaptionLowPosition(model::LeftPosition);
  auto lowFont = platform::StdFont::Create("DejaVu Serif", 11.25);
  lowFont->SetBold(core::kTrue);
  lowFont->SetUnderline(core::kTrue);
  c.SetCaptionLowFont(lowFont);
  c.SetCaptionUpper("");
  c.SetCaptionUpperForeColor(0x0D0E0F);
  c.SetCaptionUpperPosition(model::RightPosition);
  auto upperFont = platform::StdFont::Create("DejaVu Sans Mono", 9);
  upperFont->SetItalic(core::kTrue);
  upperFont->SetStrikethrough(core::kTrue);
  c.SetCaptionUpperFont(upperFont);
  c.SetDecimals(2);
  c.SetDecimalPointSize(4);
  platform::Image icon(4, 3, platform::OpaquePixel(0x00FF00));
  c.SetMouseIcon(platform::BitmapPicture::FromImage(icon));
  c.SetMousePointer(99);
  platform::Image picture(5, 6, platform::OpaquePixel(0x0000FF));
  c.SetPictureBackGround(platform::BitmapPicture::FromImage(picture));
  c.SetShowAllDecimalPoints(core::kFalse);
  c.SetDigits(7);
  c.SetDigitWidth(21);
  c.SetDigitHeight(-5);
  c.SetDigitLeftMargin(6);
  c.SetDigitUpperMargin(7);
  c.SetDigitSpacing(11);
  c.SetSegmentWidth(5);
  c.SetSegmentSeperation(0);
  c.SetLeadingZeros(core::kFalse);
  c.SetLeadingPlusMinus(core::kFalse);
  c.SetEnabled(core::kFalse);
  c.SetBackColor(0x332211);
  c.SetOnColor(0x00AA00);
  c.SetOffColor(0x003300);
  c.SetTransparent(core::kTrue);
  c.SetUseOverRange(core::kTrue);
  c.SetFlashCells(-1);
  c.SetFlashInterval(10000);
  c.SetUseLimits(core::kTrue);
  c.SetHighLimit(1e300);
  c.SetLowLimit(-0.25);
  c.SetLowColor(0x80000001);
  c.SetHighColor(0x00C0FF);
  c.SetSlant(8.75);
  c.SetText("23.5\u00B0C");
  c.SetSegmentStyle(1);
}

// Expects each of the members to be equal in `a` and `b`.
template <typename... Members>
void ExpectSameMembers(const model::ControlState& a, const model::ControlState& b,
                       Members... members) {
  int index = 0;
  const auto same = [&](auto member) { EXPECT_EQ(a.*member, b.*member) << "member " << index++; };
  (same(members), ...);
}

class Persistence : public ControlFixture {
 protected:
  // A second control on its own form, loaded from `bag`.
  struct Loaded {
    Loaded() = default;
    explicit Loaded(host::PropertyBag& bag) { control.ReadProperties(bag); }
    platform::Form form;
    LEDDisplay control{form.Host()};
  };
};

TEST_F(Persistence, SaveAndReloadGiveBackEveryProperty) {
  ChangeEveryProperty(control);
  const auto expected = PropertyValues(control);
  // Through memory, through the property file, and through a bag that keeps plain
  // values as text.
  MemoryPropertyBag memory;
  control.WriteProperties(memory);
  test::ScratchFolder folder;
  platform::SavePropertyFile(folder.Path("control-roundtrip.json"), memory);
  auto file = platform::LoadPropertyFile(folder.Path("control-roundtrip.json"));
  LoggingBag text(true);
  control.WriteProperties(text);
  for (host::PropertyBag* bag : std::initializer_list<host::PropertyBag*>{&memory, &file, &text}) {
    Loaded loaded(*bag);
    EXPECT_EQ(PropertyValues(loaded.control), expected);
  }
}

TEST_F(Persistence, NonFiniteValuesReadBack) {
  for (double value :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), -0.0, 1e308}) {
    SCOPED_TRACE(value);
    control.SetValue(value);
    LoggingBag memory;
    LoggingBag text(true);
    control.WriteProperties(memory);
    control.WriteProperties(text);
    test::ScratchFolder folder;
    const std::string path = folder.Path("control-value.json");
    platform::SavePropertyFile(path, memory.inner);
    auto file = platform::LoadPropertyFile(path);
    for (host::PropertyBag* bag :
         std::initializer_list<host::PropertyBag*>{&memory, &text, &file}) {
      Loaded loaded(*bag);
      const double back = loaded.control.Value();
      if (std::isnan(value)) {
        EXPECT_TRUE(std::isnan(back));
      } else {
        EXPECT_EQ(back, value);
        // Text gives -0 as "0"; the typed bags keep the sign.
        if (bag != &text) {
          EXPECT_EQ(std::signbit(back), std::signbit(value));
        }
      }
    }
  }
}

TEST_F(Persistence, ASetSavedAfterRefusedValuesLoads) {
  EXPECT_NE(test::ErrorNumberOf([&] { control.SetCaptionLowPosition(5); }), 0);
  EXPECT_NE(test::ErrorNumberOf([&] { control.SetCaptionUpperPosition(70000); }), 0);
  EXPECT_NE(test::ErrorNumberOf([&] { control.SetAppearance(2); }), 0);
  MemoryPropertyBag bag;
  control.WriteProperties(bag);
  Loaded loaded;
  EXPECT_EQ(test::ErrorNumberOf([&] { loaded.control.ReadProperties(bag); }), 0);
  EXPECT_EQ(PropertyValues(loaded.control), PropertyValues(control));
}

TEST_F(Persistence, AFractionalValueIsWrittenAsADouble) {
  control.SetValue(12.345);
  MemoryPropertyBag bag;
  control.WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty("Value", Variant()), Variant::FromDouble(12.345));
}

// The published keys, then those beyond the published interface (a bag leaves out a key
// at its default, so a control that uses none of those saves the published keys alone).
TEST_F(Persistence, WritesThirtySevenKeysAndReadsFortyTwoInOrderWithTypedDefaults) {
  const std::vector<std::string> written = Split(
      "Appearance=Integer:1,AutoSize=Boolean:False,BorderStyle=Integer:1,BackColor=Long:0,"
      "BackGroundStyle=Integer:0,BackGroundG1=Long:0,BackGroundG2=Long:14737632,"
      "CaptionLow=String:Caption Lower,CaptionLowForeColor=Long:16761024,"
      "CaptionLowPosition=Integer:2,CaptionUpper=String:Caption Upper,"
      "CaptionUpperForeColor=Long:16761024,CaptionUpperPosition=Integer:2,"
      "CaptionLowFont=Object:set,CaptionUpperFont=Object:set,Enabled=Boolean:True,"
      "OnColor=Long:16761024,OffColor=Long:4210688,Decimals=Integer:3,"
      "DecimalPointSize=Integer:3,ShowAllDecimalPoints=Boolean:True,Digits=Integer:4,"
      "MouseIcon=Object:none,MousePointer=Integer:0,LeadingZeros=Boolean:True,"
      "LeadingPlusMinus=Boolean:True,SegmentWidth=Integer:3,DigitWidth=Integer:24,"
      "DigitHeight=Integer:48,DigitLeftMargin=Integer:3,DigitUpperMargin=Integer:3,"
      "DigitSpacing=Integer:10,PictureBackground=Object:none,SegmentSeperation=Integer:2,"
      "Transparent=Boolean:False,UseOverRange=Boolean:False,Value=Integer:0,"
      "FlashCells=Long:0,FlashInterval=Long:500,UseLimits=Boolean:False,LowLimit=Double:0,"
      "HighLimit=Double:100,LowColor=Long:2105568,HighColor=Long:45311,Slant=Double:0,"
      "Text=String:,SegmentStyle=Integer:0",
      ',');
  LoggingBag bag;
  control.WriteProperties(bag);
  EXPECT_EQ(bag.writeDefaults, written);

  Loaded loaded(bag);
  EXPECT_EQ(bag.reads,
            Split("Appearance AutoSize BorderStyle BackGroundStyle BackGroundG1 BackGroundG2 "
                  "CaptionLow CaptionLowPosition CaptionLowForeColor CaptionLowPosition "
                  "CaptionUpper CaptionUpperAlignment CaptionUpperForeColor CaptionUpperPosition "
                  "CaptionLowFont CaptionLowFont CaptionUpperFont CaptionUpperFont Enabled "
                  "BackColor Backcolor OnColor OffColor Decimals DecimalPointSize "
                  "ShowAllDecimalPoints Digits LeadingZeros LeadingPlusMinus DigitWidth "
                  "DigitHeight DigitLeftMargin DigitUpperMargin DigitSpacing PictureBackground "
                  "MouseIcon MousePointer SegmentWidth SegmentSeperation Transparent "
                  "UseOverRange Value FlashCells FlashInterval UseLimits LowLimit HighLimit "
                  "LowColor HighColor Slant Text SegmentStyle",
                  ' '));
  // Each key is read with the default it is written with.
  std::set<std::string> defaults(written.begin(), written.end());
  defaults.insert({"Backcolor=Long:0", "CaptionUpperAlignment=Integer:2"});
  for (const std::string& read : bag.readDefaults) EXPECT_TRUE(defaults.contains(read)) << read;
}

TEST_F(Persistence, LoadingNotifiesOnlyTheMouseIconAndNeitherLaysOutNorDraws) {
  ChangeEveryProperty(control);
  MemoryPropertyBag bag;
  control.WriteProperties(bag);
  recorder.Clear();
  control.ReadProperties(bag);
  EXPECT_EQ(Notices(), std::vector<std::string>{"notify:MouseIcon"});
  for (const std::string& step : Steps()) {
    EXPECT_NE(step, "render");
    EXPECT_NE(step, "layout");
  }
}

TEST_F(Persistence, AnEmptySetGivesTheDefaults) {
  MemoryPropertyBag empty;
  Loaded loaded(empty);
  LEDDisplay& c = loaded.control;
  EXPECT_EQ(c.CaptionLow(), "Caption Lower");
  EXPECT_EQ(c.CaptionUpper(), "Caption Upper");
  EXPECT_EQ(loaded.form.LowerCaption().Alignment(), 2);
  EXPECT_EQ(loaded.form.UpperCaption().Alignment(), 2);
  EXPECT_EQ(c.CaptionLowForeColor(), 0xFFC0C0u);
  EXPECT_EQ(c.CaptionUpperForeColor(), 0xFFC0C0u);
  EXPECT_EQ(c.Appearance(), 1);
  EXPECT_EQ(c.BorderStyle(), 1);
  EXPECT_EQ(c.Enabled(), core::kTrue);
  EXPECT_EQ(c.MousePointer(), 0);
  EXPECT_EQ(c.MouseIcon(), nullptr);
  EXPECT_EQ(c.PictureBackGround(), nullptr);
  ASSERT_NE(c.CaptionLowFont(), nullptr);
  EXPECT_EQ(c.CaptionLowFont()->Name(), "DejaVu Sans");  // the ambient font
  EXPECT_EQ(loaded.form.Surface().BackColor(), 0u);

  // The members match a newly placed control's, apart from the captions.
  using S = model::ControlState;
  ExpectSameMembers(c.State(), model::FirstValues(), &S::StoredAutoSize, &S::StoredAppearance,
                    &S::StoredBorderStyle, &S::StoredBackColor, &S::StoredBackGroundStyle,
                    &S::StoredBackGroundG1, &S::StoredBackGroundG2, &S::StoredCaptionLowPosition,
                    &S::StoredCaptionUpperPosition, &S::StoredOnColor, &S::StoredOffColor,
                    &S::StoredLeadingZeros, &S::StoredLeadingPlusMinus, &S::StoredDigits,
                    &S::StoredDecimals, &S::StoredDecimalPointSize, &S::StoredShowAllDecimalPoints,
                    &S::StoredDigitWidth, &S::StoredDigitHeight, &S::StoredDigitLeftMargin,
                    &S::StoredDigitUpperMargin, &S::StoredDigitSpacing, &S::StoredSegmentWidth,
                    &S::StoredSegmentSeperation, &S::StoredTransparent, &S::StoredUseOverRange,
                    &S::StoredValue);
}

TEST_F(Persistence, ANewlyPlacedControlStartsWithItsFirstValuesAndSavesEmptyCaptions) {
  EXPECT_EQ(control.CaptionLow(), "");
  EXPECT_EQ(control.Digits(), 4);
  EXPECT_EQ(control.OffColor(), 0x404000u);
  // The labels and the held fonts each have their own font object.
  EXPECT_NE(form.LowerCaption().Font(), control.CaptionLowFont());
  EXPECT_NE(control.CaptionLowFont(), control.CaptionUpperFont());
  MemoryPropertyBag bag;
  control.WriteProperties(bag);
  EXPECT_TRUE(bag.Contains("CaptionLow"));
  EXPECT_TRUE(bag.Contains("CaptionUpper"));
  EXPECT_FALSE(bag.Contains("Digits"));  // equal to its default
}

TEST_F(Persistence, AnOverflowingDigitsEndsTheLoadAtThatKey) {
  LoggingBag bag;
  bag.inner.Store("Decimals", Variant::FromInteger(1));
  bag.inner.Store("Digits", Variant::FromLong(70000));
  bag.inner.Store("DigitWidth", Variant::FromInteger(50));
  Loaded loaded;
  EXPECT_RUNTIME_ERROR(loaded.control.ReadProperties(bag), core::kOverflow);
  EXPECT_EQ(bag.reads.size(), 27u);
  EXPECT_EQ(bag.reads.back(), "Digits");
  EXPECT_EQ(loaded.control.Decimals(), 1);  // before the failure: applied
  EXPECT_EQ(loaded.control.Digits(), 0);    // from the failing step on: untouched
  EXPECT_EQ(loaded.control.DigitWidth(), 0);
  EXPECT_EQ(loaded.control.MouseIcon(), nullptr);
}

TEST_F(Persistence, UpperTextAlignmentComesFromItsOwnKey) {
  MemoryPropertyBag bag;
  bag.Store("CaptionUpperAlignment", Variant::FromInteger(0));
  bag.Store("CaptionUpperPosition", Variant::FromLong(model::RightPosition));
  Loaded loaded(bag);
  EXPECT_EQ(loaded.form.UpperCaption().Alignment(), 0);
  EXPECT_EQ(loaded.control.CaptionUpperPosition(), model::RightPosition);

  MemoryPropertyBag withoutAlignment;
  withoutAlignment.Store("CaptionUpperPosition", Variant::FromLong(model::LeftPosition));
  Loaded other(withoutAlignment);
  EXPECT_EQ(other.form.UpperCaption().Alignment(), 2);
}

TEST_F(Persistence, BackColorSetsTheMemberAndTheSurface) {
  MemoryPropertyBag bag;
  bag.Store("BackColor", Variant::FromLong(0x123456));
  Loaded loaded(bag);
  EXPECT_EQ(loaded.control.BackColor(), 0x123456u);
  EXPECT_EQ(loaded.form.Surface().BackColor(), 0x123456u);
}

TEST_F(Persistence, BadEntriesFailWithTheirErrors) {
  struct Bad {
    const char* key;
    Variant value;
    int32_t error;
  };
  const std::vector<Bad> bad = {
      {"Appearance", Variant::FromInteger(4), core::kInvalidPropertyValue},
      {"CaptionLowPosition", Variant::FromInteger(9), core::kInvalidPropertyValue},
      {"OnColor", Variant::FromString("green"), core::kTypeMismatch},
      {"CaptionLowFont", Variant::FromString("Arial"), core::kTypeMismatch},
      {"PictureBackground", Variant::FromObject(platform::StdFont::Create("DejaVu Sans", 8)),
       core::kTypeMismatch},
      {"Value", Variant::FromString("lots"), core::kTypeMismatch},
      {"FlashInterval", Variant::FromLong(20000), core::kInvalidPropertyValue},
      // The limits are checked once both are read: LowLimit alone above the default
      // HighLimit stops the load at HighLimit.
      {"LowLimit", Variant::FromDouble(150), core::kInvalidPropertyValue},
      {"HighLimit", Variant::FromDouble(-1), core::kInvalidPropertyValue},
      {"LowColor", Variant::FromString("red"), core::kTypeMismatch},
      {"Slant", Variant::FromDouble(20.5), core::kInvalidPropertyValue},
      {"SegmentStyle", Variant::FromInteger(3), core::kInvalidPropertyValue},
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.key);
    MemoryPropertyBag bag;
    bag.Store(b.key, b.value);
    Loaded loaded;
    EXPECT_RUNTIME_ERROR(loaded.control.ReadProperties(bag), b.error);
  }
}

TEST_F(Persistence, WritingAfterLoadingSavesTheLabelsFonts) {
  MemoryPropertyBag bag;
  control.SetCaptionLowFont(platform::StdFont::Create("DejaVu Serif", 12));
  control.WriteProperties(bag);
  Loaded loaded(bag);
  MemoryPropertyBag again;
  loaded.control.WriteProperties(again);
  const auto font = std::dynamic_pointer_cast<host::Font>(
      again.ReadProperty("CaptionLowFont", Variant()).ToObject());
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->Name(), "DejaVu Serif");
}

TEST_F(Persistence, TerminateReleasesThePictureAndTheCaptionFonts) {
  control.SetPictureBackGround(platform::BitmapPicture::FromImage(platform::Image(2, 2)));
  control.Terminate();
  EXPECT_EQ(control.PictureBackGround(), nullptr);
  EXPECT_EQ(control.CaptionLowFont(), nullptr);
  EXPECT_EQ(control.CaptionUpperFont(), nullptr);
}

}  // namespace
}  // namespace led::control
