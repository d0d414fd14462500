#pragma once
/// @file
/// A picture of the control as shapes, for vector files and vector painters. Units are
/// pixels of the raster snapshot (x right, y down; one unit is one pixel at 96 dots per
/// inch). Shapes are painted in order, each over those before it, inside its clip
/// rectangle when it has one.
///
/// A shape is one of:
/// - Polygon: closed outlines filled together (non-zero rule) in one opaque colour, each
///   clockwise on the page. Painted as one path, outlines that share an edge show no
///   seam along it (two fills of one colour side by side would, where anti-aliasing
///   lets the background through). The lines the control draws arrive here merged
///   (ShapeRecorder.h says how), and the pieces of one colour are joined into one
///   polygon where nothing painted between them overlaps them (JoinPolygons).
/// - Gradient: a rectangle shaded linearly from colour `first` at point `from` to `last`
///   at point `to`, each held beyond its end; the points lie on the centres of the first
///   and last pixel columns (or rows), where the raster gradient has exactly those colours.
/// - Picture: an image drawn one image pixel a unit, top-left at (left, top), blended
///   by its alpha.
/// - TextRun: one line of a caption: glyphs of one font file at one em size and colour,
///   each drawn with its origin at (glyph x, baseline), one glyph per code point.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/text/TextPlacement.h"

namespace led::platform {

/// A point in units.
struct Point {
  double x = 0;  ///< to the right
  double y = 0;  ///< downward
};

/// Filled outlines.
struct Polygon {
  /// Each outline's corners, in order; closed back to its first.
  std::vector<std::vector<Point>> outlines;
  Pixel color = 0;  ///< opaque
};

/// A rectangle filled with a linear gradient.
struct Gradient {
  PixelRect area;   ///< the rectangle filled
  Point from;       ///< where the colour is `first`
  Point to;         ///< where the colour is `last`
  Pixel first = 0;  ///< opaque
  Pixel last = 0;   ///< opaque
};

/// An image placed pixel for unit.
struct Picture {
  Image image;       ///< drawn blended by its alpha
  int32_t left = 0;  ///< its top-left corner
  int32_t top = 0;   ///< its top-left corner
};

/// One line of text in one font.
struct TextRun {
  std::string fontFile;     ///< the font file (as the raster label uses it)
  int32_t faceIndex = 0;    ///< the face in that file
  std::string family;       ///< the family as the font names itself
  double pixelSize = 0;     ///< the em size in units
  bool emboldened = false;  ///< drawn emboldened (bold asked of a regular face)
  bool slanted = false;     ///< drawn slanted (italic asked of an upright face)
  Pixel color = 0;          ///< opaque
  PlacedLine line;          ///< the code points and glyph positions, in units
};

/// One shape and where it shows.
struct Shape {
  std::variant<Polygon, Gradient, Picture, TextRun> kind;  ///< what is drawn
  std::optional<PixelRect> clip;                           ///< none: anywhere
};

/// A whole picture: its size and its shapes in painting order.
struct Drawing {
  int32_t width = 0;          ///< in units
  int32_t height = 0;         ///< in units
  std::vector<Shape> shapes;  ///< painted first to last
  /// What the picture shows in words (a display's captions and shown text), for the
  /// documents written of it (an SVG's title); empty: none.
  std::string title;
};

/// A rectangle of pixels as a polygon of `color`.
Polygon RectanglePolygon(const PixelRect& rect, Pixel color);
/// Joins each polygon into the last polygon before it of the same colour and clip when
/// no shape painted between the two overlaps it (shares more than an edge with it), so
/// that the pieces of one colour are painted as one path. The picture painted stays
/// the same: only shapes that do not overlap change places.
void JoinPolygons(std::vector<Shape>& shapes);
/// Adds the shapes of `from` to `to`, each moved by (dx, dy) units with its clip.
void AppendMoved(Drawing& to, const Drawing& from, int32_t dx, int32_t dy);
/// Adds a laid-out text (TextLabel::Place, FontRenderer::Place) as text runs and its
/// bars as polygons, in `rgb` (red in bits 0-7), each clipped to `clip` when given.
void AppendText(Drawing& to, const TextPlacement& text, uint32_t rgb,
                std::optional<PixelRect> clip = std::nullopt);

}  // namespace led::platform
