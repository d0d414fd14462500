#include "leddisplay/core/Arithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "leddisplay/core/RuntimeError.h"

namespace led::core {

void ThrowOverflow() {
  throw RuntimeError(kOverflow);
}

int16_t Div16(int16_t a, int16_t b) {
  if (b == 0) throw RuntimeError(kDivisionByZero);
  return Narrow16(int32_t{a} / int32_t{b});
}

// Written out rather than left to nearbyint, whose result follows the floating-point
// environment's current rounding mode.
double RoundHalfEven(double value) {
  const double away = std::round(value);  // halves away from zero
  if (std::fabs(away - value) != 0.5) return away;
  return 2.0 * std::round(value / 2.0);
}

int16_t Round16(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -32768.0 && r <= 32767.0)) throw RuntimeError(kOverflow);
  return static_cast<int16_t>(r);
}

int32_t Round32(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RuntimeError(kOverflow);
  return static_cast<int32_t>(r);
}

int16_t ZoomLength(int16_t length, double zoom) {
  // The rule gives every length back at zoom 1; a render pass at zoom 1 skips the sums.
  if (length == 0 || zoom == 1) return length;
  const double magnitude = std::max(1.0, std::round(std::abs(static_cast<double>(length)) * zoom));
  // Checked while still a double: a large zoom would not fit any integer type.
  if (magnitude > 32768.0) ThrowOverflow();
  return Narrow16(static_cast<int64_t>(length < 0 ? -magnitude : magnitude));
}

}  // namespace led::core
