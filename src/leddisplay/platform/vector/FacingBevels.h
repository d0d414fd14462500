// Internal: not installed.
#pragma once
// Where two pieces' slanted sides face each other across less than a pixel (the top bar's
// bevel and the upright bar's beside it, one pixel apart at a left-hand corner of a cell),
// both sides move to meet near the middle: the corner looks as the right-hand one does,
// where the bevels lie on one line. Each side moves less than half a pixel along its
// piece's runs, so the pieces sampled at pixel centres keep exactly their pixels; the two
// stop 2% of a pixel apart (measured along the runs), so no pixel centre falls on either.
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

// Moves the facing sides of the pieces as above. `pieces` are the recorder's pieces in
// painting order: the index of each one's polygon (one outline) among the shapes, and
// whether its runs are rows (else columns). Sides of pieces more than 16 apart in that
// order are not compared.
void MeetFacingBevels(std::vector<Shape>& shapes, std::span<const std::pair<size_t, bool>> pieces);

}  // namespace led::platform
