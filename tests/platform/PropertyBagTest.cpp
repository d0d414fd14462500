// The in-memory property bag: defaults, case-insensitive keys, entries left out when
// equal to their default, write order and font copies.
#include <gtest/gtest.h>

#include <cmath>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/raster/StdFont.h"

namespace led::platform {
namespace {

using core::Variant;

std::vector<std::string> Keys(const MemoryPropertyBag& bag) {
  std::vector<std::string> keys;
  for (const auto& e : bag.Entries()) keys.push_back(e.key);
  return keys;
}

TEST(MemoryPropertyBag, MissingKeyGivesTheDefaultUnchanged) {
  MemoryPropertyBag bag;
  const auto font = StdFont::Create("DejaVu Sans", 9);
  const Variant read = bag.ReadProperty("CaptionLowFont", Variant::FromObject(font));
  EXPECT_EQ(read.ToObject(), font);  // the very default object
  EXPECT_EQ(bag.ReadProperty("Value", Variant::FromInteger(0)), Variant::FromInteger(0));
}

TEST(MemoryPropertyBag, KeysMatchWithoutRegardToCase) {
  MemoryPropertyBag bag;
  bag.WriteProperty("BackColor", Variant::FromLong(255), Variant::FromLong(0));
  EXPECT_EQ(bag.ReadProperty("Backcolor", Variant::FromLong(0)).ToLong(), 255);
  bag.WriteProperty("BACKCOLOR", Variant::FromLong(7), Variant::FromLong(0));
  EXPECT_EQ(Keys(bag), std::vector<std::string>{"BackColor"});
  EXPECT_EQ(bag.ReadProperty("backcolor", Variant()).ToLong(), 7);
}

TEST(MemoryPropertyBag, EntryEqualToItsDefaultIsLeftOut) {
  const double nan = std::nan("");
  struct Case {
    const char* what;
    Variant value, defaultValue;
    bool kept;
  };
  const std::vector<Case> cases = {
      {"same integer", Variant::FromInteger(3), Variant::FromInteger(3), false},
      {"same number, other type", Variant::FromLong(3), Variant::FromInteger(3), false},
      {"double equal to integer default", Variant::FromDouble(0), Variant::FromInteger(0), false},
      {"negative zero against integer 0", Variant::FromDouble(-0.0), Variant::FromInteger(0), true},
      {"fraction against integer", Variant::FromDouble(0.5), Variant::FromInteger(0), true},
      {"NaN against integer 0", Variant::FromDouble(nan), Variant::FromInteger(0), true},
      {"Boolean against integer", Variant::FromBoolean(-1), Variant::FromInteger(-1), true},
      {"numeric text against number", Variant::FromString("3"), Variant::FromInteger(3), true},
      {"NaN against NaN", Variant::FromDouble(nan), Variant::FromDouble(nan), false},
      {"empty string against text", Variant::FromString(""), Variant::FromString("Caption Lower"),
       true},
      {"none against none", Variant::FromObject(nullptr), Variant::FromObject(nullptr), false},
      {"equal fonts", Variant::FromObject(StdFont::Create("DejaVu Sans", 8)),
       Variant::FromObject(StdFont::Create("DejaVu Sans", 8)), false},
      {"fonts of other size", Variant::FromObject(StdFont::Create("DejaVu Sans", 9)),
       Variant::FromObject(StdFont::Create("DejaVu Sans", 8)), true},
  };
  for (const auto& c : cases) {
    MemoryPropertyBag bag;
    bag.WriteProperty("Key", c.value, c.defaultValue);
    EXPECT_EQ(bag.Contains("Key"), c.kept) << c.what;
  }
}

TEST(MemoryPropertyBag, WritingTheDefaultRemovesAnOlderEntry) {
  MemoryPropertyBag bag;
  bag.WriteProperty("Digits", Variant::FromInteger(6), Variant::FromInteger(4));
  bag.WriteProperty("Digits", Variant::FromInteger(4), Variant::FromInteger(4));
  EXPECT_FALSE(bag.Contains("Digits"));
  EXPECT_EQ(bag.ReadProperty("Digits", Variant::FromInteger(4)).ToInteger(), 4);
}

TEST(MemoryPropertyBag, KeepsWriteOrderAndPlaceOnRewrite) {
  MemoryPropertyBag bag;
  for (const char* key : {"Zeta", "Alpha", "Mid"})
    bag.WriteProperty(key, Variant::FromInteger(1), Variant());
  bag.WriteProperty("alpha", Variant::FromInteger(2), Variant());
  EXPECT_EQ(Keys(bag), (std::vector<std::string>{"Zeta", "Alpha", "Mid"}));
  EXPECT_EQ(bag.ReadProperty("Alpha", Variant()).ToInteger(), 2);
}

TEST(MemoryPropertyBag, FontsAreStoredAndReadAsDistinctCopies) {
  MemoryPropertyBag bag;
  const auto font = StdFont::Create("DejaVu Serif", 11);
  bag.WriteProperty("CaptionLowFont", Variant::FromObject(font), Variant());
  font->SetSize(200000);  // a later change of the caller's object is not saved

  const auto a = std::dynamic_pointer_cast<host::Font>(
      bag.ReadProperty("CaptionLowFont", Variant()).ToObject());
  const auto b = std::dynamic_pointer_cast<host::Font>(
      bag.ReadProperty("CaptionLowFont", Variant()).ToObject());
  ASSERT_TRUE(a && b);
  EXPECT_NE(a, b);
  EXPECT_NE(a, font);
  EXPECT_EQ(a->Size(), 110000);
  a->SetSize(10000);
  EXPECT_EQ(b->Size(), 110000);
}

}  // namespace
}  // namespace led::platform
