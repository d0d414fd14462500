#pragma once
/// @file
/// A control's extent, width and height, in twips.
namespace led::core {

struct TwipsExtent {
  float width = 0;
  float height = 0;
  bool operator==(const TwipsExtent&) const = default;
};

}  // namespace led::core
