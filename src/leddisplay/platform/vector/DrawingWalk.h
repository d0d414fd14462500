#pragma once
/// @file
/// One walk over a Drawing for every painter: WalkDrawing hands a DrawingSink the shapes
/// in painting order, each change of clip before the shapes it applies to, and polygons
/// of one colour and clip that follow each other as one polygon (one path, no seam
/// between them). The Cairo painter (platform/cairo/CairoPainter.h) and the Qt one
/// (qt/PaintDrawing.h) are sinks; a painter for another toolkit implements the five
/// calls.
///
/// What a sink is given:
/// - Fill: outlines filled together by the non-zero rule, in one opaque colour.
/// - Shade: a rectangle shaded linearly from `first` at `from` to `last` at `to`, each
///   colour held beyond its end.
/// - Place: an image one image pixel a unit, its pixels straight (not premultiplied)
///   ARGB with the alpha in the top byte, blended by it; sampled without smoothing (the
///   nearest pixel), as the raster picture shows it.
/// - Write: one line of text: glyphs of one font file at one em size and colour.
#include <optional>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

/// What a painter does with the parts of a drawing.
class DrawingSink {
 public:
  virtual ~DrawingSink() = default;
  /// The shapes that follow show only inside `clip` (none: anywhere), until the next
  /// Clip. Called before the first shape only when it has a clip, and once at the end
  /// with none when a clip was set.
  virtual void Clip(const std::optional<PixelRect>& clip) = 0;
  /// A polygon, the polygons of one colour and clip that followed it joined in.
  virtual void Fill(const Polygon& polygon) = 0;
  /// A gradient.
  virtual void Shade(const Gradient& gradient) = 0;
  /// A picture.
  virtual void Place(const Picture& picture) = 0;
  /// A text run.
  virtual void Write(const TextRun& run) = 0;
};

/// Hands `drawing`'s shapes to `sink` as described above.
void WalkDrawing(const Drawing& drawing, DrawingSink& sink);

}  // namespace led::platform
