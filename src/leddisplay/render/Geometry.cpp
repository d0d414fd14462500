#include "leddisplay/render/Geometry.h"

#include <algorithm>
#include <cmath>

#include "leddisplay/core/Arithmetic.h"

namespace led::render {

int16_t ZoomLength(int16_t length, double zoom) {
  // The rule gives every length back at zoom 1; a render pass at zoom 1 skips the sums.
  if (length == 0 || zoom == 1) return length;
  const double magnitude = std::max(1.0, std::round(std::abs(static_cast<double>(length)) * zoom));
  // Checked while still a double: a large zoom would not fit any integer type.
  if (magnitude > 32768.0) core::ThrowOverflow();
  return core::Narrow16(static_cast<int64_t>(length < 0 ? -magnitude : magnitude));
}

Geometry ZoomGeometry(const model::ControlState& s, double zoom) {
  return {ZoomLength(s.StoredDigitWidth, zoom),      ZoomLength(s.StoredDigitHeight, zoom),
          ZoomLength(s.StoredSegmentWidth, zoom),    ZoomLength(s.StoredSegmentSeperation, zoom),
          ZoomLength(s.StoredDigitLeftMargin, zoom), ZoomLength(s.StoredDigitUpperMargin, zoom),
          ZoomLength(s.StoredDigitSpacing, zoom),    ZoomLength(s.StoredDecimalPointSize, zoom)};
}

Geometry GeometryOf(const Display& display) {
  return ZoomGeometry(display.state, display.zoom);
}

}  // namespace led::render
