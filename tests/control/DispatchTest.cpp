// The programmable interface by name and by dispatch identifier.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "leddisplay/control/Dispatch.h"
#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "support/ExpectRuntimeError.h"

namespace led::control {
namespace {

using core::Variant;
using test::ControlFixture;

std::string Lower(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

Variant Get(LEDDisplay& control, std::string_view name) {
  return Invoke(control, GetIDOfName(name), InvokeKind::PropertyGet, {});
}

void Put(LEDDisplay& control, std::string_view name, const Variant& value,
         InvokeKind kind = InvokeKind::PropertyPut) {
  const Variant args[] = {value};
  Invoke(control, GetIDOfName(name), kind, args);
}

// A value for every writable non-object property that differs from its first value
// and that the host objects accept.
const std::map<std::string, Variant>& SampleValues() {
  static const std::map<std::string, Variant> samples = {
      {"Value", Variant::FromDouble(-12.5)},
      {"Appearance", Variant::FromLong(model::Flat)},
      {"AutoSize", Variant::FromBoolean(core::kTrue)},
      {"BackGroundStyle", Variant::FromLong(model::Gradient_H)},
      {"BackGroundG1", Variant::FromLong(0x0000FF)},
      {"BackGroundG2", Variant::FromLong(static_cast<int32_t>(0x80000005u))},
      {"BorderStyle", Variant::FromLong(model::BorderNone)},
      {"CaptionLow", Variant::FromString("low")},
      {"CaptionLowForeColor", Variant::FromLong(0x00FF00)},
      {"CaptionLowPosition", Variant::FromLong(model::LeftPosition)},
      {"CaptionUpper", Variant::FromString("up")},
      {"CaptionUpperForeColor", Variant::FromLong(0x0000FF)},
      {"CaptionUpperPosition", Variant::FromLong(model::RightPosition)},
      {"Decimals", Variant::FromInteger(1)},
      {"DecimalPointSize", Variant::FromInteger(5)},
      {"MousePointer", Variant::FromLong(2)},
      {"ShowAllDecimalPoints", Variant::FromBoolean(core::kFalse)},
      {"Digits", Variant::FromInteger(6)},
      {"DigitWidth", Variant::FromInteger(20)},
      {"DigitHeight", Variant::FromInteger(40)},
      {"DigitLeftMargin", Variant::FromInteger(7)},
      {"DigitUpperMargin", Variant::FromInteger(8)},
      {"DigitSpacing", Variant::FromInteger(9)},
      {"SegmentWidth", Variant::FromInteger(4)},
      {"SegmentSeperation", Variant::FromInteger(1)},
      {"LeadingZeros", Variant::FromBoolean(core::kFalse)},
      {"LeadingPlusMinus", Variant::FromBoolean(core::kFalse)},
      {"Enabled", Variant::FromBoolean(core::kFalse)},
      {"BackColor", Variant::FromLong(0x112233)},
      {"OnColor", Variant::FromLong(0x445566)},
      {"OffColor", Variant::FromLong(0x778899)},
      {"Transparent", Variant::FromBoolean(core::kTrue)},
      {"UseOverRange", Variant::FromBoolean(core::kTrue)},
      // The extension interface.
      {"FlashCells", Variant::FromLong(0b101)},
      {"FlashInterval", Variant::FromLong(250)},
      {"FlashPhase", Variant::FromBoolean(core::kFalse)},
      {"UseLimits", Variant::FromBoolean(core::kTrue)},
      {"LowLimit", Variant::FromDouble(-3.5)},
      {"HighLimit", Variant::FromDouble(1e6)},
      {"LowColor", Variant::FromLong(0x0000C0)},
      {"HighColor", Variant::FromLong(static_cast<int32_t>(0x80000008u))},
      {"Slant", Variant::FromDouble(9.5)},
      {"Text", Variant::FromString("12:34")},
      {"SegmentStyle", Variant::FromInteger(2)},
      {"Segments", Variant::FromString("118,,121")},
  };
  return samples;
}

TEST(PropertyTable, HoldsThirtyEightPropertiesWithDistinctNamesAndIdentifiers) {
  std::set<std::string> names;
  std::set<int32_t> ids;
  for (const PropertyDescription& p : PropertyTable()) {
    names.insert(Lower(p.name));
    ids.insert(p.dispid);
    // The identifiers run down from Value to UseOverRange.
    EXPECT_GE(p.dispid, 0x68030000);
    EXPECT_LE(p.dispid, 0x68030025);
  }
  EXPECT_EQ(names.size(), 38u);
  EXPECT_EQ(ids.size(), 38u);
  EXPECT_EQ(GetIDOfName("Value"), 0x68030025);
  EXPECT_EQ(GetIDOfName("hWnd"), 0x68030014);
  EXPECT_EQ(GetIDOfName("SegmentSeperation"), 0x68030008);
  EXPECT_EQ(GetIDOfName("UseOverRange"), 0x68030000);
  EXPECT_EQ(GetIDOfName("Refresh"), 0x60030026);
  // The extension interface numbers its own from kExtensionDispidBase, none shared.
  for (const PropertyDescription& p : ExtensionPropertyTable()) {
    EXPECT_GE(p.dispid, kExtensionDispidBase);
    EXPECT_TRUE(names.insert(Lower(p.name)).second) << p.name;
    EXPECT_TRUE(ids.insert(p.dispid).second) << p.name;
  }
  EXPECT_EQ(GetIDOfName("flashcells"), kExtensionDispidBase);
}

TEST(PropertyTable, NamesMatchWithoutRegardToCaseAndUnknownOnesFail) {
  EXPECT_EQ(GetIDOfName("digitwidth"), GetIDOfName("DigitWidth"));
  EXPECT_EQ(GetIDOfName("REFRESH"), 0x60030026);
  // The published spelling differs.
  EXPECT_RUNTIME_ERROR_TEXT(GetIDOfName("SegmentSeparation"), core::kNotSupported,
                            "Object doesn't support this property or method");
}

TEST_F(ControlFixture, EveryPropertyTakesAndGivesItsValueByNameAndByIdentifier) {
  for (const auto& [name, value] : SampleValues()) {
    SCOPED_TRACE(name);
    Put(control, Lower(name), value);
    const int32_t id = GetIDOfName(name);
    EXPECT_EQ(Invoke(control, id, InvokeKind::PropertyGet, {}), value);
  }
  // Every writable property but the objects has a sample, on both interfaces.
  for (const auto table : {PropertyTable(), ExtensionPropertyTable()})
    for (const PropertyDescription& p : table) {
      if (p.set && !IsObjectType(p.type)) {
        EXPECT_EQ(SampleValues().count(std::string(p.name)), 1u) << p.name;
      }
    }
}

TEST_F(ControlFixture, ObjectPropertiesAreSetByReference) {
  auto picture = platform::BitmapPicture::FromImage(platform::Image(3, 2));
  Put(control, "PictureBackGround", Variant::FromObject(picture), InvokeKind::PropertyPutRef);
  EXPECT_EQ(Get(control, "PictureBackGround"), Variant::FromObject(picture));
  Put(control, "MouseIcon", Variant::FromObject(picture), InvokeKind::PropertyPutRef);
  EXPECT_EQ(Get(control, "MouseIcon"), Variant::FromObject(picture));
  Put(control, "MouseIcon", Variant::FromObject(nullptr), InvokeKind::PropertyPutRef);
  EXPECT_EQ(control.MouseIcon(), nullptr);

  for (const char* name : {"CaptionLowFont", "CaptionUpperFont"}) {
    SCOPED_TRACE(name);
    auto font = platform::StdFont::Create("DejaVu Serif", 14);
    Put(control, name, Variant::FromObject(font), InvokeKind::PropertyPutRef);
    const auto held = std::dynamic_pointer_cast<host::Font>(Get(control, name).ToObject());
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(platform::StdFont::SameAttributes(*held, *font));
  }
  EXPECT_EQ(Get(control, "hWnd"), Variant::FromLong(form.Surface().hWnd()));
}

TEST_F(ControlFixture, ArgumentsAreConvertedToThePropertysType) {
  Put(control, "Digits", Variant::FromString("5"));
  EXPECT_EQ(control.Digits(), 5);
  Put(control, "Decimals", Variant::FromDouble(2.5));  // halves to even
  EXPECT_EQ(control.Decimals(), 2);
  Put(control, "Value", Variant::FromInteger(7));
  EXPECT_EQ(Get(control, "Value"), Variant::FromDouble(7.0));
  Put(control, "OnColor", Variant::FromLong(-1));
  EXPECT_EQ(control.OnColor(), 0xFFFFFFFFu);

  struct Bad {
    const char* name;
    Variant value;
    int32_t error;
  };
  const std::vector<Bad> bad = {
      {"Digits", Variant::FromString("four"), core::kTypeMismatch},
      {"Digits", Variant::FromLong(70000), core::kOverflow},
      {"Appearance", Variant::FromDouble(3e9), core::kOverflow},
      {"Value", Variant::FromObject(nullptr), core::kTypeMismatch},
      {"CaptionLow", Variant::FromObject(nullptr), core::kTypeMismatch},
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.name);
    EXPECT_RUNTIME_ERROR(Put(control, b.name, b.value), b.error);
  }
  EXPECT_EQ(control.Digits(), 5);
  // A font property given a picture.
  auto picture = platform::BitmapPicture::FromImage(platform::Image(1, 1));
  EXPECT_RUNTIME_ERROR(
      Put(control, "CaptionLowFont", Variant::FromObject(picture), InvokeKind::PropertyPutRef),
      core::kTypeMismatch);
}

TEST_F(ControlFixture, WrongKindsOfCallFail) {
  const Variant one[] = {Variant::FromInteger(1)};
  const Variant two[] = {Variant::FromInteger(1), Variant::FromInteger(2)};
  const auto id = [](const char* name) { return GetIDOfName(name); };
  struct Call {
    const char* what;
    int32_t dispid;
    InvokeKind kind;
    std::span<const Variant> args;
    int32_t error;
  };
  const std::vector<Call> calls = {
      {"put read-only hWnd", id("hWnd"), InvokeKind::PropertyPut, one, core::kNotSupported},
      {"put by value on a font", id("CaptionLowFont"), InvokeKind::PropertyPut, one,
       core::kNotSupported},
      {"put by reference on a number", id("Digits"), InvokeKind::PropertyPutRef, one,
       core::kNotSupported},
      {"property called as method", id("Digits"), InvokeKind::Method, {}, core::kNotSupported},
      {"method read as property", id("Refresh"), InvokeKind::PropertyGet, {}, core::kNotSupported},
      {"unknown identifier", 0x12345, InvokeKind::PropertyGet, {}, core::kNotSupported},
      {"get with an argument", id("Digits"), InvokeKind::PropertyGet, one,
       core::kWrongArgumentCount},
      {"put with two arguments", id("Digits"), InvokeKind::PropertyPut, two,
       core::kWrongArgumentCount},
      {"method with an argument", id("Refresh"), InvokeKind::Method, one,
       core::kWrongArgumentCount},
  };
  for (const Call& c : calls) {
    SCOPED_TRACE(c.what);
    EXPECT_RUNTIME_ERROR(Invoke(control, c.dispid, c.kind, c.args), c.error);
  }
  EXPECT_EQ(control.Digits(), 4);
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(ControlFixture, RefreshIsCalledAsAMethod) {
  EXPECT_TRUE(Invoke(control, GetIDOfName("Refresh"), InvokeKind::Method, {}).IsEmpty());
  ASSERT_FALSE(Records().empty());
  EXPECT_EQ(Records().front().at("call"), "AutoRedraw");
}

}  // namespace
}  // namespace led::control
