// A steady redraw (Refresh of a control whose value and settings have not changed)
// must not touch the heap: a display refreshed many times a second would otherwise
// churn the allocator on every frame.
#include <cmath>
#include <functional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "alloc/CountingNew.h"
#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/form/Form.h"

namespace led::test {
namespace {

using core::kTrue;

constexpr int kRefreshes = 50;

// A control on a form, wired as a container wires it, set up and shown once.
struct Placed {
  explicit Placed(const std::function<void(control::LEDDisplay&)>& setUp) {
    form.OnResize([this] { control.Resize(); });
    control.InitProperties();
    setUp(control);
    control.Show();
    control.Refresh();  // the first pass may fill caches; the steady state starts here
  }

  // Heap allocations made by `kRefreshes` calls of Refresh.
  uint64_t AllocationsOfRefreshes() {
    const uint64_t before = AllocationCount();
    for (int i = 0; i < kRefreshes; ++i) control.Refresh();
    return AllocationCount() - before;
  }

  platform::Form form;
  control::LEDDisplay control{form.Host()};
};

TEST(SteadyRedraw, CountsAllocations) {
  if (!Counting()) GTEST_SKIP() << "allocation counting is off under AddressSanitizer";
  // The counter itself must see what a redraw would allocate.
  const uint64_t before = AllocationCount();
  auto* text = new std::string(100, 'x');
  delete text;
  EXPECT_GT(AllocationCount(), before);
}

TEST(SteadyRedraw, AllocatesNothing) {
  if (!Counting()) GTEST_SKIP() << "allocation counting is off under AddressSanitizer";
  const std::pair<const char*, std::function<void(control::LEDDisplay&)>> cases[] = {
      {"starting state", [](control::LEDDisplay&) {}},
      {"auto-sized with short captions",
       [](control::LEDDisplay& c) {
         c.SetAutoSize(kTrue);
         c.SetCaptionUpper("Supply");
         c.SetCaptionLow("volts");
       }},
      {"sign, decimals and every point",
       [](control::LEDDisplay& c) {
         c.SetLeadingPlusMinus(kTrue);
         c.SetShowAllDecimalPoints(kTrue);
         c.SetDigits(6);
         c.SetDecimals(2);
         c.SetValue(-1234.5);
       }},
      {"forty digits",
       [](control::LEDDisplay& c) {
         c.SetDigits(40);
         c.SetLeadingZeros(kTrue);
         c.SetValue(123456789.123);
       }},
      {"value not typed exactly",
       [](control::LEDDisplay& c) {
         c.SetDigits(0);
         c.SetValue(0.1 + 0.2);
       }},
      {"over range", [](control::LEDDisplay& c) { c.SetValue(std::nextafter(1e300, 0.0)); }},
      {"auto-sized with captions longer than a string keeps in place",
       [](control::LEDDisplay& c) {
         c.SetAutoSize(kTrue);
         c.SetCaptionUpper("Supply voltage of the second rail");
         c.SetCaptionLow("volts, measured at the load");
       }},
      {"transparent", [](control::LEDDisplay& c) { c.SetTransparent(kTrue); }},
      {"vertical gradient",
       [](control::LEDDisplay& c) {
         c.SetBackGroundStyle(model::Gradient_V);
         c.SetBackGroundG1(0x0000FF);
         c.SetBackGroundG2(0xFF0000);
       }},
      {"flashing cells in their off phase",
       [](control::LEDDisplay& c) {
         c.SetFlashCells(-1);
         c.SetFlashPhase(core::kFalse);
       }},
      {"above the high limit",
       [](control::LEDDisplay& c) {
         c.SetUseLimits(kTrue);
         c.SetValue(250);
       }},
      {"slanted", [](control::LEDDisplay& c) { c.SetSlant(10); }},
      {"a text longer than a string keeps in place",
       [](control::LEDDisplay& c) { c.SetText("12:34 and more than fifteen letters"); }},
  };
  for (const auto& [name, setUp] : cases) {
    SCOPED_TRACE(name);
    Placed placed(setUp);
    EXPECT_EQ(placed.AllocationsOfRefreshes(), 0u);
  }
}

}  // namespace
}  // namespace led::test
