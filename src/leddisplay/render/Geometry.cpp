#include "leddisplay/render/Geometry.h"

#include <algorithm>
#include <cmath>

#include "leddisplay/core/Arithmetic.h"

namespace led::render {

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
