#pragma once
/// @file
/// The state record of one LEDDisplay: the members that back its display properties
/// and the three working members of the render pass, in declaration order. Every
/// published member is zero at creation (the extended settings start at their first
/// values); InitProperties writes the first values (kFirst...).
/// Booleans are 16-bit and kept as given (1 stays 1); readers test for non-zero.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/model/Extensions.h"

namespace led::model {

/// Appearance: flat or three-dimensional.
enum AppearanceCts : int32_t { Flat = 0, ThreeD = 1 };
/// BorderStyle: no border or a single line.
enum BorderStyleCts : int32_t { BorderNone = 0, FixedSingle = 1 };
/// A caption's text alignment inside its label.
enum AlignmentCts : int32_t { LeftJustify = 0, RightJustify = 1, CenterJustify = 2 };
/// A caption's position above or below the digits.
enum PositionCts : int32_t { LeftPosition = 0, RightPosition = 1, CenterPosition = 2 };
/// BackGroundStyle: the back colour, or a vertical or horizontal gradient.
enum BackGroundStyleCts : int32_t { Standard = 0, Gradient_V = 1, Gradient_H = 2 };
/// The nine places of an icon in a box (published, used by no property).
enum IconAlignmentCts : int32_t {
  LeftTop = 0,
  LeftMiddle = 1,
  LeftBottom = 2,
  RightTop = 3,
  RightMiddle = 4,
  RightBottom = 5,
  CenterTop = 6,
  CenterMiddle = 7,
  CenterBottom = 8,
};

/// A published enumeration member: its published name and value.
struct EnumMember {
  std::string_view name;  ///< as published
  int32_t value;          ///< its value
};
/// A published enumeration: its name and its members.
struct EnumDescription {
  std::string_view name;                ///< as published
  std::span<const EnumMember> members;  ///< in published order
};
/// The six enumerations, in the order they are published.
std::span<const EnumDescription> PublishedEnums();

/// The rectangle the gradient background fills, in the surface's scale.
struct GradientArea {
  /// The edges.
  ///@{
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  ///@}
};

/// The control's own state: each stored property's value and the working members
/// of the resize and change handling.
struct ControlState {
  /// The value of the property the member is named after (Stored<Property>).
  ///@{
  core::Boolean StoredAutoSize = 0;
  int32_t StoredAppearance = 0;
  int32_t StoredBorderStyle = 0;
  core::OleColor StoredBackColor = 0;
  int32_t StoredBackGroundStyle = 0;
  core::OleColor StoredBackGroundG1 = 0;
  core::OleColor StoredBackGroundG2 = 0;
  int32_t StoredCaptionLowPosition = 0;
  int32_t StoredCaptionUpperPosition = 0;
  core::OleColor StoredOnColor = 0;
  core::OleColor StoredOffColor = 0;
  core::Boolean StoredLeadingZeros = 0;
  core::Boolean StoredLeadingPlusMinus = 0;
  int16_t StoredDigits = 0;
  int16_t StoredDecimals = 0;
  int16_t StoredDecimalPointSize = 0;
  core::Boolean StoredShowAllDecimalPoints = 0;
  int16_t StoredDigitWidth = 0;
  int16_t StoredDigitHeight = 0;
  int16_t StoredDigitLeftMargin = 0;
  int16_t StoredDigitUpperMargin = 0;
  int16_t StoredDigitSpacing = 0;
  int16_t StoredSegmentWidth = 0;
  int16_t StoredSegmentSeperation = 0;
  core::Boolean StoredTransparent = 0;
  core::Boolean StoredUseOverRange = 0;
  double StoredValue = 0.0;
  ///@}
  GradientArea GradientBounds;         ///< Where the last render pass drew the gradient.
  core::Boolean SizingInProgress = 0;  ///< True while the auto-size resize runs.
  double LastChangeValue = 0.0;        ///< The value the last Change event was raised for.
  /// The settings beyond the published interface (Extensions.h), at their first values.
  Extensions Extended;
};

/// The values a newly placed control starts with.
///@{
inline constexpr core::OleColor kFirstOnColor = 0xFFC0C0;
inline constexpr core::OleColor kFirstOffColor = 0x404000;
inline constexpr core::OleColor kFirstBackGroundG2 = 0xE0E0E0;
///@}

/// First values held by the host's objects rather than the record. Each caption label
/// starts with an empty text in kFirstCaptionForeColor (its alignment follows its
/// position member); the base object starts enabled with mouse pointer 0 and keeps
/// that through InitProperties.
///@{
inline constexpr std::string_view kFirstCaption = "";
inline constexpr core::OleColor kFirstCaptionForeColor = 0xFFC0C0;
inline constexpr core::Boolean kFirstEnabled = core::kTrue;
inline constexpr int16_t kFirstMousePointer = 0;
///@}

/// The captions a loaded control shows when its property set holds no caption text.
///@{
inline constexpr std::string_view kLoadedCaptionLow = "Caption Lower";
inline constexpr std::string_view kLoadedCaptionUpper = "Caption Upper";
///@}

/// A record with every member at the first value of a newly placed control (the
/// working members stay zero).
ControlState FirstValues();

}  // namespace led::model
