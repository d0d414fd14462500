// Input handed on to the host as events, arguments by reference.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "support/ExpectRuntimeError.h"

namespace led::control {
namespace {

using core::Variant;
using test::ControlFixture;

struct Seen {
  int32_t dispid = 0;
  std::string name;
  std::vector<std::string> argNames;
  std::vector<Variant> argValues;
};

class InputEvents : public ControlFixture {
 protected:
  InputEvents() {
    onEvent = [this](int32_t dispid, const std::string& name, std::span<host::EventArg> args) {
      Seen s{dispid, name, {}, {}};
      for (host::EventArg& a : args) {
        s.argNames.push_back(a.name);
        s.argValues.push_back(a.value);
      }
      seen.push_back(s);
      if (change) change(args);
    };
  }
  std::vector<Seen> seen;
  std::function<void(std::span<host::EventArg>)> change;  // the host handler's edits
};

TEST_F(InputEvents, EachInputRaisesItsEventWithThePublishedArguments) {
  int16_t key = 65, shift = 1, button = 2;
  float x = 12.5f, y = -3.25f;
  struct Case {
    std::function<void()> input;
    int32_t dispid;
    const char* name;
    std::vector<std::string> argNames;
  };
  const std::vector<std::string> keyArgs = {"KeyCode", "Shift"};
  const std::vector<std::string> mouseArgs = {"Button", "Shift", "X", "y"};
  const std::vector<Case> cases = {
      {[&] { control.Click(); }, 1, "Click", {}},
      {[&] { control.DblClick(); }, 2, "DblClick", {}},
      {[&] { control.KeyDown(key, shift); }, 3, "KeyDown", keyArgs},
      {[&] { control.KeyPress(key); }, 4, "KeyPress", {"KeyAscii"}},
      {[&] { control.KeyUp(key, shift); }, 5, "KeyUp", keyArgs},
      {[&] { control.MouseDown(button, shift, x, y); }, 7, "MouseDown", mouseArgs},
      {[&] { control.MouseMove(button, shift, x, y); }, 8, "MouseMove", mouseArgs},
      {[&] { control.MouseUp(button, shift, x, y); }, 9, "MouseUp", mouseArgs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    seen.clear();
    c.input();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].dispid, c.dispid);
    EXPECT_EQ(seen[0].name, c.name);
    EXPECT_EQ(seen[0].argNames, c.argNames);
  }
  // Mouse coordinates pass unchanged, as singles; keys as 16-bit integers.
  EXPECT_EQ(seen[0].argValues,
            (std::vector<Variant>{Variant::FromInteger(2), Variant::FromInteger(1),
                                  Variant::FromSingle(12.5f), Variant::FromSingle(-3.25f)}));
  // Input changes nothing in the control and draws nothing.
  for (const auto& record : Records()) EXPECT_EQ(record.at("call"), "Event");
}

TEST_F(InputEvents, WhatTheHandlerChangesIsHandedBack) {
  change = [](std::span<host::EventArg> args) {
    for (host::EventArg& a : args) {
      if (a.name == "KeyAscii") a.value = Variant::FromInteger(0);
      if (a.name == "KeyCode") a.value = Variant::FromLong(40);  // converted back
      if (a.name == "y") a.value = Variant::FromDouble(7.75);
    }
  };
  int16_t keyAscii = 'a';
  control.KeyPress(keyAscii);
  EXPECT_EQ(keyAscii, 0);

  int16_t keyCode = 38, shift = 0;
  control.KeyUp(keyCode, shift);
  EXPECT_EQ(keyCode, 40);
  EXPECT_EQ(shift, 0);

  int16_t button = 1;
  float x = 1, y = 2;
  control.MouseMove(button, shift, x, y);
  EXPECT_EQ(x, 1.0f);
  EXPECT_EQ(y, 7.75f);
}

TEST_F(InputEvents, AnUnusableValueFromTheHandlerChangesNothing) {
  change = [](std::span<host::EventArg> args) {
    args[0].value = Variant::FromInteger(9);
    args[1].value = Variant::FromString("not a number");
  };
  int16_t keyCode = 38, shift = 4;
  EXPECT_RUNTIME_ERROR(control.KeyDown(keyCode, shift), core::kTypeMismatch);
  EXPECT_EQ(keyCode, 38);
  EXPECT_EQ(shift, 4);
}

TEST_F(InputEvents, AHandlerMaySetPropertiesOfTheControl) {
  change = [this](std::span<host::EventArg>) { control.SetValue(3); };
  control.Click();
  EXPECT_EQ(control.Value(), 3);
  EXPECT_EQ(seen.back().name, "Change");
}

}  // namespace
}  // namespace led::control
