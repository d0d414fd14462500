#pragma once
/// @file
/// A text laid out as a label draws it, for hosts that draw text themselves (as
/// outlines, in a vector file): the font file, the em size, and each line's glyphs at
/// the whole-pixel pen positions the raster label puts them at.
#include <cstdint>
#include <string>
#include <vector>

#include "leddisplay/platform/raster/Image.h"

namespace led::platform {

/// One glyph of a line: its index in the font and its pen position on the baseline.
struct PlacedGlyph {
  uint32_t index = 0;  ///< glyph index in the face
  int64_t x = 0;       ///< pen position, whole pixels
};

/// One line of text: its glyphs, one per code point of `text`, in order.
struct PlacedLine {
  std::u32string text;              ///< the line's code points
  int64_t baseline = 0;             ///< the baseline's y, whole pixels
  std::vector<PlacedGlyph> glyphs;  ///< one per code point
};

/// A laid-out text: what to draw it with, its lines, and its underline and
/// strikethrough bars (filled rectangles in the text's colour).
struct TextPlacement {
  std::string fontFile;           ///< the font file the raster label uses
  int32_t faceIndex = 0;          ///< the face within that file
  std::string family;             ///< the family as the font names itself
  double pixelSize = 0;           ///< the em size in pixels
  bool emboldened = false;        ///< bold asked of a face that is not: drawn emboldened
  bool slanted = false;           ///< italic asked of a face that is not: drawn slanted
  std::vector<PlacedLine> lines;  ///< top to bottom
  std::vector<PixelRect> bars;    ///< underline and strikethrough
};

}  // namespace led::platform
