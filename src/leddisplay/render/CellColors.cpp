#include "leddisplay/render/CellColors.h"

namespace led::render {

bool Flashes(int32_t mask, size_t index, size_t count) {
  if (mask == -1) return true;
  const size_t fromRight = count - 1 - index;
  return fromRight < 32 && ((static_cast<uint32_t>(mask) >> fromRight) & 1u) != 0;
}

core::OleColor LitColorOf(const model::ControlState& s, size_t index, size_t count) {
  const model::Extensions& e = s.Extended;
  if (!core::IsTrue(e.FlashPhase) && Flashes(e.FlashCells, index, count)) return s.StoredOffColor;
  switch (model::BandOf(s.StoredValue, e)) {
    case model::ValueBand::Below:
      return e.LowColor;
    case model::ValueBand::Above:
      return e.HighColor;
    case model::ValueBand::Within:
      break;
  }
  return s.StoredOnColor;
}

}  // namespace led::render
