// Gradient colours: system colours resolved, RGB split into 16-bit channels.
#include <gtest/gtest.h>

#include "HostDoubles.h"
#include "RenderFixture.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/SystemColors.h"
#include "leddisplay/render/ColorConversion.h"
#include "support/ExpectRuntimeError.h"

namespace led::render {
namespace {

TEST(SplitColorComponentsTest, ChannelsCarryTheComponentInTheHighByte) {
  struct Case {
    core::OleColor color;
    ColorComponents expected;
  };
  const Case cases[] = {
      {0x000000, {0, 0, 0}},
      {0x0000FF, {static_cast<int16_t>(0xFF00), 0, 0}},
      {0xE0E0E0,
       {static_cast<int16_t>(0xE000), static_cast<int16_t>(0xE000), static_cast<int16_t>(0xE000)}},
      {0x123456, {0x5600, 0x3400, 0x1200}},
      {0xFFFFFF, {-256, -256, -256}},
      {0x7F8001, {0x0100, -32768, 0x7F00}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.color);
    EXPECT_EQ(SplitColorComponents(c.color), c.expected);
  }
}

TEST(SplitColorComponentsTest, RefusesColoursAboveSixHexDigits) {
  for (core::OleColor color : {0x1000000u, 0x2FFFFFFu, 0x80000005u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(color);
    EXPECT_RUNTIME_ERROR_TEXT(SplitColorComponents(color), core::kInvalidCall,
                              "Invalid procedure call or argument");
  }
}

class ResolveSystemColorTest : public ::testing::Test {
 protected:
  ~ResolveSystemColorTest() override { platform::ResetSystemColors(); }
  CountingGdi gdi{platform::GdiTable::Instance()};
};

TEST_F(ResolveSystemColorTest, SystemColourTakesItsCurrentValue) {
  platform::SetSystemColor(platform::kColorButtonFace, 0x123456);
  EXPECT_EQ(ResolveSystemColor(gdi, 0x8000000F), 0x123456u);
  platform::SetSystemColor(platform::kColorButtonFace, 0x00FF00);
  EXPECT_EQ(ResolveSystemColor(gdi, 0x8000000F), 0x00FF00u);
}

TEST_F(ResolveSystemColorTest, PlainColourIsKeptWithoutAsking) {
  EXPECT_EQ(ResolveSystemColor(gdi, 0x7FFFFFFF), 0x7FFFFFFFu);
  EXPECT_EQ(ResolveSystemColor(gdi, 0xE0E0E0), 0xE0E0E0u);
  EXPECT_EQ(gdi.lastSysColorIndex, -1);
}

TEST_F(ResolveSystemColorTest, IndexIsAllThirtyOneLowBits) {
  // Not just the low byte: 0x8001000F names index 0x1000F, which is unknown.
  EXPECT_EQ(ResolveSystemColor(gdi, 0x8001000F), 0u);
  EXPECT_EQ(gdi.lastSysColorIndex, 0x1000F);
}

}  // namespace
}  // namespace led::render
