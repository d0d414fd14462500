// The font object: its attributes, the bold/weight coupling, refused values and copies.
#include <gtest/gtest.h>

#include <functional>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "support/ExpectRuntimeError.h"

namespace led::platform {
namespace {

TEST(StdFont, CreateKeepsSizeAsFixedPointWithFourDecimals) {
  const auto font = StdFont::Create("DejaVu Serif", 8.25);
  EXPECT_EQ(font->Name(), "DejaVu Serif");
  EXPECT_EQ(font->Size(), 82500);
  EXPECT_EQ(StdFont::Create("DejaVu Sans", 12.12345)->Size(), 121234);  // rounded to 4 places
  EXPECT_EQ(font->Bold(), core::kFalse);
  EXPECT_EQ(font->Weight(), 400);
  EXPECT_EQ(font->Charset(), 0);
}

TEST(StdFont, BoldAndWeightFollowEachOther) {
  StdFont font;
  font.SetBold(1);  // any non-zero value is True
  EXPECT_EQ(font.Bold(), core::kTrue);
  EXPECT_EQ(font.Weight(), 700);
  font.SetBold(core::kFalse);
  EXPECT_EQ(font.Weight(), 400);
  font.SetWeight(800);
  EXPECT_EQ(font.Bold(), core::kTrue);
  font.SetWeight(300);
  EXPECT_EQ(font.Bold(), core::kFalse);
}

TEST(StdFont, RefusedValuesRaise380AndChangeNothing) {
  const std::vector<std::pair<const char*, std::function<void(StdFont&)>>> cases = {
      {"empty name", [](StdFont& f) { f.SetName(""); }},
      {"name that is not UTF-8", [](StdFont& f) { f.SetName("Deja\xffVu"); }},
      {"zero size", [](StdFont& f) { f.SetSize(0); }},
      {"negative size", [](StdFont& f) { f.SetSize(-10000); }},
      {"huge size", [](StdFont& f) { f.SetSize(StdFont::kMaxSize + 1); }},
      {"weight above 1000", [](StdFont& f) { f.SetWeight(1001); }},
      {"negative weight", [](StdFont& f) { f.SetWeight(-1); }},
      {"charset above 255", [](StdFont& f) { f.SetCharset(256); }},
  };
  for (const auto& c : cases) {  // not a structured binding: clang 14 cannot capture one
    StdFont font;
    const auto before = StdFont::CopyOf(font);
    EXPECT_RUNTIME_ERROR(c.second(font), 380) << c.first;
    EXPECT_TRUE(StdFont::SameAttributes(font, *before)) << c.first;
  }
  EXPECT_RUNTIME_ERROR(StdFont::Create("DejaVu Sans", 0), core::kInvalidPropertyValue);
}

TEST(StdFont, CopiesAreIndependentAndCompareByEveryAttribute) {
  StdFont font;
  font.SetItalic(core::kTrue);
  const auto copy = StdFont::CopyOf(font);
  EXPECT_TRUE(StdFont::SameAttributes(font, *copy));
  font.SetSize(90000);
  EXPECT_EQ(copy->Size(), 80000);

  const std::vector<std::function<void(StdFont&)>> changes = {
      [](StdFont& f) { f.SetName("Other"); },
      [](StdFont& f) { f.SetSize(80001); },
      [](StdFont& f) { f.SetBold(core::kTrue); },
      [](StdFont& f) { f.SetItalic(core::kTrue); },
      [](StdFont& f) { f.SetUnderline(core::kTrue); },
      [](StdFont& f) { f.SetStrikethrough(core::kTrue); },
      [](StdFont& f) { f.SetWeight(500); },
      [](StdFont& f) { f.SetCharset(2); },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    StdFont a, b;
    changes[i](b);
    EXPECT_FALSE(StdFont::SameAttributes(a, b)) << "change " << i;
  }
}

}  // namespace
}  // namespace led::platform
