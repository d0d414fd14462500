#include "leddisplay/core/Arithmetic.h"

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

}  // namespace led::core
