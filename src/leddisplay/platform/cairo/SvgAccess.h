// Internal: not installed.
#pragma once
// What Cairo's SVG lacks for readers and viewers, added to its document: the drawing's
// title as <title> and as the root's role="img" aria-label (screen readers and search
// read them); each text run again as <text> with no ink over its outlines, so that the
// captions can be found, selected and read aloud while the outlines draw them; and
// pictures marked to be sampled as pixels (image-rendering: pixelated, optimizeSpeed for
// older viewers), as the PNG shows them rather than smoothed.
#include <cstdint>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

// `svg` is Cairo's document for `drawing`; it is changed in place.
void AddSvgAccess(std::vector<uint8_t>& svg, const Drawing& drawing);

}  // namespace led::platform
