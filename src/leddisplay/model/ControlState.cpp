#include "leddisplay/model/ControlState.h"

namespace led::model {

namespace {

constexpr EnumMember kAppearance[] = {{"Flat", Flat}, {"3D", ThreeD}};
constexpr EnumMember kBorderStyle[] = {{"None", BorderNone}, {"Fixed Single", FixedSingle}};
constexpr EnumMember kAlignment[] = {{"Left Justify", LeftJustify},
                                     {"Right Justify", RightJustify},
                                     {"Center Justify", CenterJustify}};
constexpr EnumMember kPosition[] = {{"Left Position", LeftPosition},
                                    {"Right Position", RightPosition},
                                    {"Center Position", CenterPosition}};
constexpr EnumMember kBackGroundStyle[] = {
    {"Standard", Standard}, {"Gradient_V", Gradient_V}, {"Gradient_H", Gradient_H}};
constexpr EnumMember kIconAlignment[] = {
    {"Left Top", LeftTop},     {"Left Middle", LeftMiddle},     {"Left Bottom", LeftBottom},
    {"Right Top", RightTop},   {"Right Middle", RightMiddle},   {"Right Bottom", RightBottom},
    {"Center Top", CenterTop}, {"Center Middle", CenterMiddle}, {"Center Bottom", CenterBottom},
};

constexpr EnumDescription kEnums[] = {
    {"AppearanceCts", kAppearance},
    {"BorderStyleCts", kBorderStyle},
    {"AlignmentCts", kAlignment},
    {"PositionCts", kPosition},
    {"BackGroundStyleCts", kBackGroundStyle},
    {"IconAlignmentCts", kIconAlignment},
};

}  // namespace

std::span<const EnumDescription> PublishedEnums() {
  return kEnums;
}

ControlState FirstValues() {
  ControlState s;
  s.StoredAutoSize = core::kFalse;
  s.StoredAppearance = ThreeD;
  s.StoredBorderStyle = FixedSingle;
  s.StoredBackColor = 0;
  s.StoredBackGroundStyle = Standard;
  s.StoredBackGroundG1 = 0;
  s.StoredBackGroundG2 = kFirstBackGroundG2;
  s.StoredCaptionLowPosition = CenterPosition;
  s.StoredCaptionUpperPosition = CenterPosition;
  s.StoredOnColor = kFirstOnColor;
  s.StoredOffColor = kFirstOffColor;
  s.StoredLeadingZeros = core::kTrue;
  s.StoredLeadingPlusMinus = core::kTrue;
  s.StoredDigits = 4;
  s.StoredDecimals = 3;
  s.StoredDecimalPointSize = 3;
  s.StoredShowAllDecimalPoints = core::kTrue;
  s.StoredDigitWidth = 24;
  s.StoredDigitHeight = 48;
  s.StoredDigitLeftMargin = 3;
  s.StoredDigitUpperMargin = 3;
  s.StoredDigitSpacing = 10;
  s.StoredSegmentWidth = 3;
  s.StoredSegmentSeperation = 2;
  s.StoredTransparent = core::kFalse;
  s.StoredUseOverRange = core::kFalse;
  s.StoredValue = 0.0;
  return s;
}

}  // namespace led::model
