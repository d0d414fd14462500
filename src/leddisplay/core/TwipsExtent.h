#pragma once
/// @file
/// A control's extent, width and height, in twips.
namespace led::core {

/// A width and height in twips (1440 to the inch).
struct TwipsExtent {
  float width = 0;   ///< in twips
  float height = 0;  ///< in twips
  /// Both sides equal.
  bool operator==(const TwipsExtent&) const = default;
};

}  // namespace led::core
