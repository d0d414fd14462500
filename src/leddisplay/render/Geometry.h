// Internal: not installed.
#pragma once
// The pixel geometry a render pass draws with: the state's eight lengths (DigitWidth,
// DigitHeight, SegmentWidth, SegmentSeperation, DigitLeftMargin, DigitUpperMargin,
// DigitSpacing, DecimalPointSize), each times the display's zoom and rounded by one
// rule: to the nearest integer, halves away from zero, and a length that is not zero
// stays at least 1 in magnitude (its sign kept). Zoom 1 gives the stored lengths.
// A zoomed length that leaves 16 bits raises 6.
//
// Example: at zoom 1.5, DigitWidth 24 draws as 36, SegmentWidth 3 as 5 (4.5 rounded
// away from zero), DigitSpacing -3 as -5; at zoom 0.25, SegmentSeperation 1 as 1.
#include <cstdint>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/model/ControlState.h"
#include "leddisplay/render/Display.h"

namespace led::render {

struct Geometry {
  int16_t digitWidth = 0;
  int16_t digitHeight = 0;
  int16_t segmentWidth = 0;
  int16_t segmentSeperation = 0;
  int16_t digitLeftMargin = 0;
  int16_t digitUpperMargin = 0;
  int16_t digitSpacing = 0;
  int16_t decimalPointSize = 0;
  bool operator==(const Geometry&) const = default;
};

// One length by the rule above (core::ZoomLength); `zoom` is finite and above 0.
using core::ZoomLength;

// The state's lengths at `zoom`, and at the display's own zoom.
Geometry ZoomGeometry(const model::ControlState& state, double zoom);
Geometry GeometryOf(const Display& display);

}  // namespace led::render
