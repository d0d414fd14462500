#include "leddisplay/model/ControlState.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace led::model {
namespace {

struct Member {
  const char* name;
  double (*read)(const ControlState&);
  double first;
};

#define LED_MEMBER(member, first)                                                       \
  {                                                                                     \
#member, [](const ControlState& s) { return static_cast<double>(s.member); }, first \
  }

// Every member with the value a newly placed control starts with.
const Member kMembers[] = {
    LED_MEMBER(StoredAutoSize, 0),
    LED_MEMBER(StoredAppearance, 1),
    LED_MEMBER(StoredBorderStyle, 1),
    LED_MEMBER(StoredBackColor, 0),
    LED_MEMBER(StoredBackGroundStyle, 0),
    LED_MEMBER(StoredBackGroundG1, 0),
    LED_MEMBER(StoredBackGroundG2, 0xE0E0E0),
    LED_MEMBER(StoredCaptionLowPosition, 2),
    LED_MEMBER(StoredCaptionUpperPosition, 2),
    LED_MEMBER(StoredOnColor, 0xFFC0C0),
    LED_MEMBER(StoredOffColor, 0x404000),
    LED_MEMBER(StoredLeadingZeros, -1),
    LED_MEMBER(StoredLeadingPlusMinus, -1),
    LED_MEMBER(StoredDigits, 4),
    LED_MEMBER(StoredDecimals, 3),
    LED_MEMBER(StoredDecimalPointSize, 3),
    LED_MEMBER(StoredShowAllDecimalPoints, -1),
    LED_MEMBER(StoredDigitWidth, 24),
    LED_MEMBER(StoredDigitHeight, 48),
    LED_MEMBER(StoredDigitLeftMargin, 3),
    LED_MEMBER(StoredDigitUpperMargin, 3),
    LED_MEMBER(StoredDigitSpacing, 10),
    LED_MEMBER(StoredSegmentWidth, 3),
    LED_MEMBER(StoredSegmentSeperation, 2),
    LED_MEMBER(StoredTransparent, 0),
    LED_MEMBER(StoredUseOverRange, 0),
    LED_MEMBER(StoredValue, 0),
    LED_MEMBER(GradientBounds.Left, 0),
    LED_MEMBER(GradientBounds.Top, 0),
    LED_MEMBER(GradientBounds.Right, 0),
    LED_MEMBER(GradientBounds.Bottom, 0),
    LED_MEMBER(SizingInProgress, 0),
    LED_MEMBER(LastChangeValue, 0),
};
#undef LED_MEMBER

TEST(ControlState, EveryMemberIsZeroAtCreation) {
  const ControlState created;
  for (const Member& m : kMembers) EXPECT_EQ(m.read(created), 0.0) << m.name;
}

TEST(ControlState, FirstValuesAreThoseOfANewlyPlacedControl) {
  const ControlState first = FirstValues();
  for (const Member& m : kMembers) EXPECT_EQ(m.read(first), m.first) << m.name;
  EXPECT_FALSE(std::signbit(first.StoredValue));
}

TEST(ControlState, EnumerationsKeepTheirPublishedNames) {
  const std::vector<std::pair<std::string, std::vector<std::pair<std::string, int>>>> published = {
      {"AppearanceCts", {{"Flat", 0}, {"3D", 1}}},
      {"BorderStyleCts", {{"None", 0}, {"Fixed Single", 1}}},
      {"AlignmentCts", {{"Left Justify", 0}, {"Right Justify", 1}, {"Center Justify", 2}}},
      {"PositionCts", {{"Left Position", 0}, {"Right Position", 1}, {"Center Position", 2}}},
      {"BackGroundStyleCts", {{"Standard", 0}, {"Gradient_V", 1}, {"Gradient_H", 2}}},
      {"IconAlignmentCts",
       {{"Left Top", 0},
        {"Left Middle", 1},
        {"Left Bottom", 2},
        {"Right Top", 3},
        {"Right Middle", 4},
        {"Right Bottom", 5},
        {"Center Top", 6},
        {"Center Middle", 7},
        {"Center Bottom", 8}}},
  };
  const auto enums = PublishedEnums();
  ASSERT_EQ(enums.size(), published.size());
  for (size_t i = 0; i < published.size(); ++i) {
    EXPECT_EQ(enums[i].name, published[i].first);
    std::vector<std::pair<std::string, int>> got;
    for (const EnumMember& m : enums[i].members) got.emplace_back(std::string(m.name), m.value);
    EXPECT_EQ(got, published[i].second) << published[i].first;
  }
}

}  // namespace
}  // namespace led::model
