#pragma once
// A control's display on a real raster surface and container, seen through the call
// recorder. The state starts at the values of a newly placed control, and the
// surface's resize notification runs the resize handling of the recorded display, as
// the container would.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "HostDoubles.h"
#include "leddisplay/host/Host.h"
#include "leddisplay/model/ControlState.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/form/Recorder.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/Layout.h"
#include "leddisplay/render/RenderPass.h"
#include "support/RecordedCalls.h"

namespace led::render {

using nlohmann::json;

// A new control's lit and unlit segment colours.
inline constexpr core::OleColor kOn = model::kFirstOnColor;
inline constexpr core::OleColor kOff = model::kFirstOffColor;

inline json LineCall(double x1, double y1, double x2, double y2, core::OleColor color) {
  return {{"call", "Line"}, {"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}, {"color", color}};
}

// The records of `calls` whose "call" is `name`, in order.
inline std::vector<json> Named(const std::vector<json>& calls, const std::string& name) {
  std::vector<json> out;
  for (const json& c : calls)
    if (c["call"] == name) out.push_back(c);
  return out;
}

// The "value" of each record of `records`, in order.
inline std::vector<double> Values(const std::vector<json>& records) {
  std::vector<double> out;
  for (const json& r : records) out.push_back(r["value"].get<double>());
  return out;
}

// How many "Change" events `calls` holds.
inline int ChangeCount(const std::vector<json>& calls) {
  int n = 0;
  for (const json& c : Named(calls, "Event"))
    if (c["name"] == "Change") ++n;
  return n;
}

class RenderTest : public ::testing::Test {
 protected:
  RenderTest() {
    form.Surface().SetExtentPixels(0, 0);  // the cases below start from an empty surface
    form.OnResize([this] { ResizeHandling(display); });
  }

  std::vector<json> Calls() const { return led::test::RecordedCalls(recorder); }
  std::vector<json> Calls(const std::string& name) const { return Named(Calls(), name); }
  // The calls one step makes on the display (a whole render pass when none is named),
  // recorded on their own.
  std::vector<json> Recorded(const std::function<void(Display&)>& step = RenderDisplay) {
    recorder.Clear();
    step(display);
    return Calls();
  }
  platform::RasterSurface& Surface() { return form.Surface(); }
  platform::Pixel PixelAt(int32_t x, int32_t y) { return form.Surface().Inner().at(x, y); }

  platform::Form form;
  FixedLabel lowerCaption;
  FixedLabel upperCaption;
  CountingGdi gdi{form.Host().gdi};
  host::Host host{form.Host().surface, lowerCaption, upperCaption, form.Host().container, gdi};
  platform::Recorder recorder{host};
  model::ControlState state = model::FirstValues();
  Display display{state, recorder.Host()};
};

}  // namespace led::render
