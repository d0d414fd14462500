// Internal: not installed.
#pragma once
// Slanted digits. A cell's lines lean right: each end moves by the shear factor,
// tan(Slant), times its height above the digits' bottom edge, so the bottom edge stays
// where it is and the top moves right. Lines across a cell (bars, points, the sign's
// strokes) move whole; the upright bars and the sign's stem are drawn as such lines, one
// per pixel row (Segments.h), so that every row of a slanted bar is as wide as the bar and
// its edges are straight staircases. AutoSize's width grows by SlantWidth so that the
// last cell's top is not cut. A Slant of 0 moves nothing and draws today's lines.
#include <cstdint>

#include "leddisplay/model/ControlState.h"
#include "leddisplay/render/Geometry.h"  // ZoomLength

namespace led::render {

struct Shear {
  double factor = 0;  // tan(Slant); 0 for upright digits
  double base = 0;    // the digits' bottom edge, in pixels
  // How far a point at height y (pixels, downward) moves right.
  double At(double y) const { return factor * (base - y); }
  bool operator==(const Shear&) const = default;
};

// tan(Slant) of the state's Slant in degrees; exactly 0 when Slant is 0.
double ShearFactor(const model::ControlState& state);

// How many pixels further right the row reaches at `zoom`: the lean of the right-hand
// bars' top pixel, one above the stored digit height, rounded up (0 for a height below
// 0), then zoomed as the lengths are (ZoomLength), so that the extent in twips is the same
// at every zoom, as the other lengths keep it.
int16_t SlantWidth(const model::ControlState& state, double zoom);

}  // namespace led::render
