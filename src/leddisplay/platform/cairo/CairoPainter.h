#pragma once
/// @file
/// A drawing of shapes (platform/vector/Drawing.h) painted on a Cairo context whose user
/// units are the drawing's, as the SVG and PDF files are written: polygons as filled
/// paths (non-zero rule), gradients as Cairo linear gradients padded beyond their ends,
/// pictures as images (straight alpha converted to Cairo's premultiplied) sampled
/// without smoothing, text runs as glyphs of Cairo's FreeType face on the run's font file
/// (with the text, one glyph to a code point, for files that keep it), each shape inside
/// its clip. To put several displays on a page of one's own, translate the context to
/// each display's place and paint its shapes. Errors stay in the context's status, as
/// Cairo keeps them.
#include "leddisplay/platform/vector/Drawing.h"

/// Cairo's context, declared as <cairo.h> declares it, so that this header needs no
/// include path of Cairo's.
typedef struct _cairo cairo_t;

namespace led::platform {

/// Paints `drawing` on `cr` as described above (platform::WalkDrawing); sets the
/// context's fill rule and font options.
void PaintDrawing(cairo_t* cr, const Drawing& drawing);

}  // namespace led::platform
