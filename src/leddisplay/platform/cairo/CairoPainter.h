// Internal: not installed.
#pragma once
// Paints a Drawing on a Cairo context whose user units are the drawing's: polygons as
// filled paths (consecutive ones of one colour and clip as one path), gradients as Cairo
// linear gradients padded beyond their ends, pictures as images sampled without
// smoothing, text runs as glyphs of Cairo's FreeType face on the run's font file (with
// the text, one glyph to a code point, for files that keep it), each shape inside its
// clip. Errors stay in the context's status, as Cairo keeps them.
#include <cairo.h>

#include "leddisplay/platform/vector/Drawing.h"

namespace led::platform {

void PaintDrawing(cairo_t* cr, const Drawing& drawing);

}  // namespace led::platform
