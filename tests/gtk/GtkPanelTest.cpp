// The GTK panel (examples/gtk) as GTK draws it, under Xvfb: its stopwatch shows, pixel for
// pixel, what the command-line tool draws of the same control at the same zoom, at scale
// factors 1 and 2 (in device pixels, so at 2 every length is twice as long and as crisp).
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "leddisplay/platform/io/Png.h"
#include "support/RunCommand.h"
#include "support/ScratchFolder.h"

namespace led::platform {
namespace {

// Where `part` lies in `whole`, pixel for pixel (alpha ignored); none when nowhere.
std::optional<std::pair<int32_t, int32_t>> Find(const Image& part, const Image& whole) {
  const auto same = [&](int32_t left, int32_t top) {
    for (int32_t y = 0; y < part.height; ++y)
      for (int32_t x = 0; x < part.width; ++x)
        if ((part.at(x, y) ^ whole.at(left + x, top + y)) & 0xFFFFFFu) return false;
    return true;
  };
  for (int32_t top = 0; top + part.height <= whole.height; ++top)
    for (int32_t left = 0; left + part.width <= whole.width; ++left)
      if (same(left, top)) return std::pair{left, top};
  return std::nullopt;
}

TEST(GtkPanel, TheStopwatchIsTheToolsDrawingAtEachScale) {
  const test::ScratchFolder scratch;
  for (const int scale : {1, 2}) {
    SCOPED_TRACE("scale factor " + std::to_string(scale));
    const std::string grab = scratch.Path("grab.png"), drawn = scratch.Path("tool.png");
    const auto panel =
        test::RunCommand("GDK_SCALE=" + std::to_string(scale) +
                         " " LED_XVFB_RUN " -a " LED_GTK_PANEL " --grab " + grab + " 2>&1");
    ASSERT_EQ(panel.code, 0) << panel.output;
    const auto tool = test::RunCommand(
        LED_TOOL
        " render --set AutoSize=True --set BorderStyle=None --set LeadingPlusMinus=False"
        " --set Decimals=1 --set 'OnColor=&H60FF40' --set 'OffColor=&H103000' --scale " +
        std::to_string(scale) + " -o " + drawn + " 2>&1");
    ASSERT_EQ(tool.code, 0) << tool.output;
    const Image window = ReadPngFile(grab), stopwatch = ReadPngFile(drawn);
    EXPECT_TRUE(Find(stopwatch, window))
        << stopwatch.width << " x " << stopwatch.height << " not found in the " << window.width
        << " x " << window.height << " window";
  }
}

}  // namespace
}  // namespace led::platform
