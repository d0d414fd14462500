// Internal: not installed.
#pragma once
// Cairo numbers some ids of an SVG document (surface5, image7) by counters shared by the
// whole process, so the same drawing written twice gave different bytes. Renumbered in
// the order they are declared, from 1, each id and every reference to it (#surface5)
// depends on the document alone.
#include <cstdint>
#include <vector>

namespace led::platform {

// `svg` is Cairo's document, before anything else is added to it; changed in place.
void NumberSvgIdsByDocument(std::vector<uint8_t>& svg);

}  // namespace led::platform
