#pragma once
// A control on a real form, every call it makes to its host recorded. The form's
// resize notification is wired to the control's Resize, as a container does.
// InitProperties has run and the record is cleared when a test starts.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/form/Recorder.h"
#include "support/RecordedCalls.h"

namespace led::test {

class ControlFixture : public ::testing::Test {
 protected:
  ControlFixture() {
    form.OnResize([this] { control.Resize(); });
    form.OnEvent([this](int32_t dispid, const std::string& name, std::span<host::EventArg> args) {
      if (onEvent) onEvent(dispid, name, args);
    });
    control.InitProperties();
    recorder.Clear();
  }

  // The recorded calls in short form, consecutive repeats merged: "notify:Name" and
  // "event:Name" for notifications and events, "render" for the start of a render
  // pass (its Cls), "layout" for caption placement, the record's call for any other
  // host property set ("Appearance", "Label1.Caption", "Width", ...). The render
  // pass's own drawing calls are left out.
  std::vector<std::string> Steps() const {
    std::vector<std::string> steps;
    for (const auto& record : Records()) {
      const std::string call = record.at("call");
      std::string step;
      if (call == "PropertyChanged") {
        step = "notify:" + record.at("name").get<std::string>();
      } else if (call == "Event") {
        step = "event:" + record.at("name").get<std::string>();
      } else if (call == "Cls") {
        step = "render";
      } else if (call == "Line" || call == "DrawWidth" || call == "ScaleMode" ||
                 call == "GradientFill" || call == "BitBlt") {
        continue;
      } else if (call.ends_with(".Left") || call.ends_with(".Top")) {
        step = "layout";
      } else {
        step = call;
      }
      if (steps.empty() || steps.back() != step) steps.push_back(step);
    }
    return steps;
  }

  // The recorded calls as JSON objects, in order.
  std::vector<nlohmann::json> Records() const { return led::test::RecordedCalls(recorder); }

  // The names of the notifications and events recorded, in order.
  std::vector<std::string> Notices() const {
    std::vector<std::string> notices;
    for (const std::string& step : Steps())
      if (step.starts_with("notify:") || step.starts_with("event:")) notices.push_back(step);
    return notices;
  }

  platform::Form form;
  platform::Recorder recorder{form.Host()};
  ::led::control::LEDDisplay control{recorder.Host()};
  std::function<void(int32_t, const std::string&, std::span<host::EventArg>)> onEvent;
};

}  // namespace led::test
