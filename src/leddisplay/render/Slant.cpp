#include "leddisplay/render/Slant.h"

#include <cmath>
#include <numbers>

namespace led::render {

double ShearFactor(const model::ControlState& state) {
  const double degrees = state.Extended.Slant;
  return degrees == 0 ? 0 : std::tan(degrees * std::numbers::pi / 180);
}

int16_t SlantWidth(const model::ControlState& state, double zoom) {
  const double factor = ShearFactor(state);
  // At most tan(20 degrees) x 32768 pixels: within 16 bits. A negative height draws the
  // row upside down, leaning left of its cells: it needs no room on the right.
  const double lean = std::ceil(factor * (state.StoredDigitHeight + 1));
  return lean > 0 ? ZoomLength(static_cast<int16_t>(lean), zoom) : 0;
}

}  // namespace led::render
