// Internal: not installed.
#pragma once
// Checked 16-bit signed arithmetic and the rounding conversions of the control.
// Every function throws RuntimeError(6, "Overflow") when its result leaves the
// target range; nothing wraps.
#include <cstdint>

namespace led::core {

// Throws RuntimeError(6, "Overflow"); kept out of line so the checks below stay small
// enough to inline into the drawing loops.
[[noreturn]] void ThrowOverflow();

// A 64-bit value narrowed to 16 bits.
inline int16_t Narrow16(int64_t value) {
  if (value < -32768 || value > 32767) ThrowOverflow();
  return static_cast<int16_t>(value);
}

// a + b, a - b, a * b in 16-bit signed arithmetic.
inline int16_t Add16(int32_t a, int32_t b) {
  return Narrow16(int64_t{a} + b);
}
inline int16_t Sub16(int32_t a, int32_t b) {
  return Narrow16(int64_t{a} - b);
}
inline int16_t Mul16(int32_t a, int32_t b) {
  return Narrow16(int64_t{a} * b);
}
// Integer division truncating toward zero; raises 11 "Division by zero" when b is 0.
int16_t Div16(int16_t a, int16_t b);
// A double rounded to the nearest integer, halves to even, then range-checked.
// NaN and infinities overflow.
int16_t Round16(double value);
int32_t Round32(double value);

// Round half to even, without a range check (NaN stays NaN).
double RoundHalfEven(double value);

// A pixel length drawn at `zoom` (finite, above 0): length x zoom rounded to the nearest
// integer, halves away from zero, a length that is not zero staying at least 1 in
// magnitude (its sign kept). Zoom 1 gives the length back. Leaving 16 bits raises 6.
// The one rule for everything a zoomed control draws: its geometry, its border and the
// height allowance for it.
int16_t ZoomLength(int16_t length, double zoom);

}  // namespace led::core
