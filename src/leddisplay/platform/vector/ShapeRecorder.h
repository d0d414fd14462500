#pragma once
/// @file
/// Turns what a surface paints into shapes (Drawing.h), in pixels of its area (the
/// inner image, 0..width x 0..height); it draws nothing itself, so any host that
/// paints by the raster pixel rule can keep its drawing as shapes with it.
///
/// Painted pixels arrive as rectangles of one colour (a one-pixel line is a rectangle one
/// pixel high or wide: exactly the pixels the raster surface paints), clipped to the area.
/// Consecutive rectangles of one colour that stack into one piece merge into one polygon:
/// each new one must lie on the row just above or below the piece (or the column just
/// left or right of it, the direction fixed by the second rectangle) and share at least
/// one pixel of width with the row (or column) it touches. So the lines of a segment are
/// one polygon, while its neighbours, another colour or lines crossing it start new ones.
/// The polygon's sides are the straight edges of StraightEdge.h through the runs' ends:
/// a bevel drawn as a staircase of lines is one slanted edge, which rasterized at pixel
/// centres covers exactly the raster's pixels and stays straight at any zoom. A rectangle
/// may come with its exact extent (Box): a line whose ends lie between pixels keeps them
/// along its runs, so the rows of a slanted bar, each moved by its own fraction of a
/// pixel, line up as one straight edge.
///
/// Clear starts the drawing again with the area filled; Resize fills what an area grows
/// by, as a resized raster image shows its back colour there (shapes beyond a smaller
/// area are kept, for the caller clips to the area). Pictures and gradients are shapes
/// of their own, between the polygons in painting order.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

/// The shapes of one surface's area, built as it is painted.
class ShapeRecorder {
 public:
  /// The area's size in pixels (0 x 0 at the start).
  ///@{
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  ///@}
  /// A new size of the area; what lies beyond the old one shows `fill`.
  void Resize(int32_t width, int32_t height, Pixel fill);
  /// Forgets every shape: the area is `fill` (nothing, when `fill` is see-through).
  void Clear(Pixel fill);
  /// An extent in pixels that need not be whole: the outline of a line's pixels when
  /// its ends lie between pixel edges.
  struct Box {
    double left;    ///< the left edge, in pixels of the area
    double top;     ///< the top edge
    double right;   ///< the right edge
    double bottom;  ///< the bottom edge
  };
  /// Pixels painted opaque in `color`, clipped to the area; merged as above. `exact`,
  /// when given, is the outline to keep for them: it holds the centre of each of the
  /// rectangle's pixels and of no other (it differs from the rectangle by less than half
  /// a pixel at each side).
  ///@{
  void AddRect(const PixelRect& rect, Pixel color);
  void AddRect(const PixelRect& rect, Pixel color, const Box& exact);
  ///@}
  /// A gradient (its area clipped to this area) or an image painted over what is there.
  ///@{
  void AddGradient(const Gradient& gradient);
  void AddPicture(Picture picture);
  ///@}
  /// Every shape so far, in painting order, in pixels of the area (not clipped to it),
  /// the pieces' facing bevels met (FacingBevels.h) and the pieces of one colour joined
  /// where nothing between them overlaps (JoinPolygons).
  std::vector<Shape> Shapes() const;

 private:
  enum class Axis { kUndecided, kRows, kColumns };
  // The piece being merged: runs along `axis` (rows: spans of x for the rows from
  // `first` down; columns: spans of y for the columns from `first` right).
  struct Piece {
    Axis axis = Axis::kUndecided;
    Pixel color = 0;
    PixelRect alone;  // the only rectangle, while kUndecided, and its outline
    Box aloneBox{};
    int32_t first = 0;
    std::vector<double> begins, ends;           // per run: its outline [begin, end)
    std::vector<int32_t> beginEdges, endEdges;  // and its pixels' edges
    bool empty = true;
  };

  bool Join(const PixelRect& r, const Box& box, Pixel color);
  void AddRuns(const PixelRect& r, const Box& box, bool front);
  void Flush();
  static Polygon PolygonOf(const Piece& piece);

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<Shape> shapes_;
  // The polygons among shapes_ that are pieces: (index, whether its runs are rows).
  std::vector<std::pair<size_t, bool>> pieces_;
  Piece piece_;
};

}  // namespace led::platform
