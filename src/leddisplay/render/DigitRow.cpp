#include "leddisplay/render/DigitRow.h"

#include "leddisplay/core/Arithmetic.h"

namespace led::render {

int16_t DigitTop(Display& display, const Geometry& lengths) {
  host::Label& upper = display.host.upperCaption;
  const bool caption = upper.HasCaption();
  // The height is read whether or not it is used, so that a failing label ends the
  // pass the same way with or without a caption.
  const float height = upper.Height();
  const int16_t margin = lengths.digitUpperMargin;
  if (!caption) return margin;
  const float sum = static_cast<float>(margin) + height;
  return core::Round16(sum);
}

}  // namespace led::render
