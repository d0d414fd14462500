#pragma once
/// @file
/// The control's settings beyond the published interface: flashing cells, colours by
/// value limits, slanted digits and text. Each starts off or neutral, so that a control that uses
/// none of them draws, notifies and saves exactly as one without them.
#include <cstdint>
#include <string>
#include <vector>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/OleColor.h"

namespace led::model {

/// The settings, with the values a newly placed control starts with.
struct Extensions {
  /// The cells that flash: bit 0 the rightmost cell of the row, bit i the i-th from the
  /// right (the sign cell counted at its place); -1 every cell. 0: none.
  int32_t FlashCells = 0;
  /// How long each phase of the flashing lasts, in milliseconds (50..10000).
  int32_t FlashInterval = 500;
  /// The phase shown: True the flashed cells as they are, False all their segments and
  /// points unlit. Kept by whoever keeps time; never saved.
  core::Boolean FlashPhase = core::kTrue;
  /// While on, the lit segments, points and sign take LowColor below LowLimit and
  /// HighColor above HighLimit.
  core::Boolean UseLimits = core::kFalse;
  double LowLimit = 0;                  ///< the lower limit, never above HighLimit
  double HighLimit = 100;               ///< the upper limit
  core::OleColor LowColor = 0x2020E0;   ///< the lit colour below LowLimit: a red
  core::OleColor HighColor = 0x00B0FF;  ///< the lit colour above HighLimit: an amber
  /// How far the digits lean to the right, in degrees (0..20): each point of a cell moves
  /// right by tan(Slant) times its height above the digits' bottom edge.
  double Slant = 0;
  /// Text shown instead of the number, one cell a character (UTF-8); empty: the number.
  std::string Text;
  /// The cells' segments: kSevenSegments, kFourteenSegments or kSixteenSegments.
  int16_t SegmentStyle = 0;
  /// Segments set by hand, by cell from the left of the row: a cell's mask of lit
  /// segments (bits in the style's order, kPointSegment its point), or below 0 for none.
  /// Shown instead of the cell's glyph until Value or Text changes; never saved.
  std::vector<int32_t> CellSegments;
};

/// The bit of a cell's segment mask that lights its decimal point, in every style.
inline constexpr int32_t kPointSegment = 1 << 16;

/// The values of SegmentStyle.
///@{
inline constexpr int16_t kSevenSegments = 0;
inline constexpr int16_t kFourteenSegments = 1;
inline constexpr int16_t kSixteenSegments = 2;
///@}

/// Where a value lies against the limits while UseLimits is on: below LowLimit (minus
/// infinity too), above HighLimit (plus infinity too), or within (NaN too, and every
/// value while UseLimits is off).
enum class ValueBand : int8_t { Below = -1, Within = 0, Above = 1 };
/// The band `value` lies in against the limits of `extensions`.
ValueBand BandOf(double value, const Extensions& extensions);
/// Whether FlashInterval may be `milliseconds`, whether the limits may be `low` and
/// `high` (neither NaN, low not above high), whether Slant may be `degrees` (0..20, not
/// NaN) and SegmentStyle `style` (one of its values): the setters' and the loader's one
/// check.
///@{
bool IsFlashInterval(int32_t milliseconds);
bool AreLimits(double low, double high);
bool IsSlant(double degrees);
bool IsSegmentStyle(int16_t style);
///@}

}  // namespace led::model
