// Internal: not installed.
#pragma once
// Turning a gradient colour into the 16-bit vertex channels of a gradient fill.
#include <cstdint>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/host/Gdi.h"

namespace led::render {

// Each channel holds its 8-bit component in the high byte (component * 256), read as
// signed 16 bits: components of 128 and more come out negative.
struct ColorComponents {
  int16_t Red = 0;
  int16_t Green = 0;
  int16_t Blue = 0;
  bool operator==(const ColorComponents&) const = default;
};

// A system colour (bit 31 set) becomes the current value of GetSysColor for its low
// 31 bits; any other colour is returned unchanged. Never fails.
core::OleColor ResolveSystemColor(host::Gdi& gdi, core::OleColor color);

// Splits an RGB colour 0..FFFFFF into its channels. A larger value (any of bits 24-31
// set) raises 5 "Invalid procedure call or argument".
ColorComponents SplitColorComponents(core::OleColor color);

}  // namespace led::render
