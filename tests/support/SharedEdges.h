#pragma once
// Seams as a reader of an SVG sees them: the filled paths of a document (Cairo's SVG, or
// Poppler's `pdftocairo -svg` of a PDF), and the edges that two separate fills of one
// colour share, along which anti-aliasing lets what is behind them show through.
#include <string>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::test {

struct SvgFill {
  std::string color;                                   // the fill as written
  std::vector<std::vector<platform::Point>> subpaths;  // in the document's units
};

// Every <path> with a fill colour, its "M x y L x y ... Z" data read as subpaths (each
// with at least two corners). Coordinates are multiplied by `scale`.
std::vector<SvgFill> FilledPaths(const std::string& svg, double scale = 1);

// Each pair of separate fills of one colour that meet along a stretch of edge longer
// than `tolerance`, one on either side of it (the outlines turn one way), described;
// empty when there is none.
std::vector<std::string> SharedEdges(const std::vector<SvgFill>& fills, double tolerance);

// Each pair of slanted sides of two outlines (of any fills) that face each other, parallel
// and side by side, across a gap wider than `low` and narrower than `high`, described; empty
// when there is none. Between 0.05 and 1 pixel: a corner that shows a sliver of what is
// behind it where the raster shows none.
std::vector<std::string> NarrowGaps(const std::vector<SvgFill>& fills, double low, double high);

}  // namespace led::test
