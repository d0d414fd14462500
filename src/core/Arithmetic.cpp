#include "core/Arithmetic.h"

#include <cmath>
#include <limits>

#include "core/RuntimeError.h"

namespace led::core {

int16_t Narrow16(int64_t value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    throw RuntimeError(kOverflow);
  return static_cast<int16_t>(value);
}

int16_t Add16(int32_t a, int32_t b) { return Narrow16(int64_t{a} + b); }
int16_t Sub16(int32_t a, int32_t b) { return Narrow16(int64_t{a} - b); }
int16_t Mul16(int32_t a, int32_t b) { return Narrow16(int64_t{a} * b); }
int16_t Div16(int16_t a, int16_t b) { return Narrow16(int32_t{a} / int32_t{b}); }

double RoundHalfEven(double value) { return std::nearbyint(value); }

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
