#include "leddisplay/model/Extensions.h"

namespace led::model {

ValueBand BandOf(double value, const Extensions& e) {
  if (value < e.LowLimit) return ValueBand::Below;
  if (value > e.HighLimit) return ValueBand::Above;
  return ValueBand::Within;  // NaN compares false both ways
}

}  // namespace led::model
