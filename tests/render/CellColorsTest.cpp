// Flashing cells and colours by value limits: which cells a mask flashes, the colour each
// band takes, and a render pass that draws them exactly as the same pass with OnColor
// set to that colour.
#include "leddisplay/render/CellColors.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "RenderFixture.h"

namespace led::render {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr core::OleColor kLow = 0x0000FF, kHigh = 0x00FFFF;

TEST(CellColors, AMaskFlashesCellsCountedFromTheRight) {
  struct Case {
    int32_t mask;
    size_t count;
    std::vector<bool> flashed;  // left to right
  };
  const Case cases[] = {
      {0, 4, {false, false, false, false}},
      {1, 4, {false, false, false, true}},       // the rightmost
      {0b1000, 4, {true, false, false, false}},  // the sign cell, at its place
      {0b0110, 4, {false, true, true, false}},   // two digits
      {-1, 40, std::vector<bool>(40, true)},     // the whole row, beyond 32 cells too
      {int32_t(0x80000000u), 33,
       [] {  // bit 31: the 32nd from the right
         std::vector<bool> v(33, false);
         v[1] = true;
         return v;
       }()},
      {0b10000, 3, {false, false, false}},  // bits beyond the row flash nothing
  };
  for (const Case& c : cases) {
    std::vector<bool> flashed;
    for (size_t i = 0; i < c.count; ++i) flashed.push_back(Flashes(c.mask, i, c.count));
    EXPECT_EQ(flashed, c.flashed) << "mask " << c.mask;
  }
}

TEST(CellColors, TheLitColourFollowsTheBandAndTheFlashPhase) {
  model::ControlState s = model::FirstValues();
  s.Extended.LowColor = kLow;
  s.Extended.HighColor = kHigh;
  s.Extended.LowLimit = -5;
  s.Extended.HighLimit = 5;
  struct Case {
    double value;
    bool useLimits;
    core::OleColor lit;
  };
  const Case cases[] = {
      {-6, true, kLow},
      {-5, true, kOn},
      {5, true, kOn},
      {5.5, true, kHigh},
      {kInf, true, kHigh},
      {-kInf, true, kLow},
      {std::numeric_limits<double>::quiet_NaN(), true, kOn},
      {-6, false, kOn},
      {6, false, kOn},
  };
  for (const Case& c : cases) {
    s.StoredValue = c.value;
    s.Extended.UseLimits = c.useLimits ? core::kTrue : core::kFalse;
    EXPECT_EQ(LitColorOf(s, 0, 4), c.lit) << c.value << (c.useLimits ? " with limits" : "");
  }
  // A flashed cell in the off phase is unlit whatever the band; the others keep it.
  s.StoredValue = 6;
  s.Extended.UseLimits = core::kTrue;
  s.Extended.FlashCells = 0b0001;
  s.Extended.FlashPhase = core::kFalse;
  EXPECT_EQ(LitColorOf(s, 3, 4), kOff);
  EXPECT_EQ(LitColorOf(s, 2, 4), kHigh);
  s.Extended.FlashPhase = core::kTrue;
  EXPECT_EQ(LitColorOf(s, 3, 4), kHigh);
}

// A pass draws the flashed or banded cells as the same pass with OnColor set to the
// colour they take: the same lines, only their colours changed.
class CellColorsPass : public RenderTest {};

TEST_F(CellColorsPass, DrawsAsOnColorSetToTheColourTaken) {
  const auto pass = [&](const std::function<void(model::ControlState&)>& set) {
    state = model::FirstValues();
    state.StoredValue = -12.5;
    set(state);
    std::vector<json> lines = Recorded();
    std::erase_if(lines, [](const json& c) { return c["call"] == "Event"; });
    return lines;
  };
  // The whole row flashed, in its off phase: wholly unlit, sign and points too.
  EXPECT_EQ(pass([](model::ControlState& s) {
              s.Extended.FlashCells = -1;
              s.Extended.FlashPhase = core::kFalse;
            }),
            pass([](model::ControlState& s) { s.StoredOnColor = s.StoredOffColor; }));
  // In its shown phase, as if nothing flashed.
  EXPECT_EQ(pass([](model::ControlState& s) { s.Extended.FlashCells = -1; }),
            pass([](model::ControlState&) {}));
  // Below the low limit, everything lit takes LowColor.
  EXPECT_EQ(pass([](model::ControlState& s) {
              s.Extended.UseLimits = core::kTrue;
              s.Extended.LowColor = kLow;
            }),
            pass([](model::ControlState& s) { s.StoredOnColor = kLow; }));
  // One cell flashed: only its lines change colour, all of them to OffColor.
  const std::vector<json> shown = pass([](model::ControlState&) {});
  const std::vector<json> dark = pass([](model::ControlState& s) {
    s.Extended.FlashCells = 0b0010;
    s.Extended.FlashPhase = core::kFalse;
  });
  ASSERT_EQ(dark.size(), shown.size());
  size_t changed = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == dark[i]) continue;
    ++changed;
    EXPECT_EQ(shown[i]["color"], kOn);
    EXPECT_EQ(dark[i]["color"], kOff);
    json same = dark[i];
    same["color"] = kOn;
    EXPECT_EQ(same, shown[i]);
  }
  EXPECT_GT(changed, 0u);
}

}  // namespace
}  // namespace led::render
