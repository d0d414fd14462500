// Internal: not installed.
#pragma once
// The page a drawing is written on at a scale (VectorFile.h): the sizes refused, with
// the scale that fits a PDF page too large, and Cairo's SVG given the scaled size.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

// Points in one CSS pixel, 1/96 inch.
inline constexpr double kPointsPerPixel = 0.75;

// What is wrong with writing `drawing` at `scale` (finite, above 0), as VectorFile.h
// words it: a page below 1 pixel on a side, or for a PDF above kMaxPdfSide pixels;
// nothing when it can be written.
std::optional<std::string> PageProblem(const Drawing& drawing, bool pdf, double scale);

// Cairo's SVG of `drawing`, as large as its viewBox (the drawing's size), given the
// scaled size on its root element instead, the viewBox kept: every unit inside is then
// `scale` pixels.
void ScaleSvgSize(std::vector<uint8_t>& svg, const Drawing& drawing, double scale);

}  // namespace led::platform
