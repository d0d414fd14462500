#include "leddisplay/model/Extensions.h"

namespace led::model {

ValueBand BandOf(double value, const Extensions& e) {
  if (!core::IsTrue(e.UseLimits)) return ValueBand::Within;
  if (value < e.LowLimit) return ValueBand::Below;
  if (value > e.HighLimit) return ValueBand::Above;
  return ValueBand::Within;  // NaN compares false both ways
}

bool IsFlashInterval(int32_t milliseconds) {
  return milliseconds >= 50 && milliseconds <= 10000;
}

bool AreLimits(double low, double high) {
  return low <= high;  // false for a NaN
}

bool IsSegmentStyle(int16_t style) {
  return style >= kSevenSegments && style <= kSixteenSegments;
}

bool IsSlant(double degrees) {
  return degrees >= 0 && degrees <= 20;  // false for a NaN
}

}  // namespace led::model
