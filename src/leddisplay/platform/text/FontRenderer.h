// Internal: not installed.
#pragma once
// Text measured and drawn with FreeType, font files found with fontconfig. A family
// that is not installed falls back to DejaVu Sans. Family lookups (64) and open faces
// (16, one per file) are cached, the least recently used dropped first. Sizes are in
// pixels at the given resolution (dots per inch; 96 is 15 twips per pixel).
// Text is UTF-8 (invalid bytes show as U+FFFD); "\n" (or "\r\n") separates lines.
// Thread-safe: one lock guards the FreeType library and the caches.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/text/TextPlacement.h"

namespace led::platform {

struct TextStyle {
  std::string family = "DejaVu Sans";
  double points = 8.0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
};

// Widths and heights beyond 2^31 - 1 pixels are given as 2^31 - 1.
struct TextSize {
  int32_t width = 0;       // widest line, pixels (0 for an empty text)
  int32_t height = 0;      // lines x line height (one line for an empty text)
  int32_t lineHeight = 0;  // pixels
};

class FontRenderer {
 public:
  static FontRenderer& Instance();
  ~FontRenderer();

  // The font file used for a family and style (after fallback).
  std::string FontFile(const std::string& family, bool bold, bool italic);
  // The family of that file as the font itself names it.
  std::string ResolvedFamily(const std::string& family, bool bold, bool italic);

  TextSize Measure(const TextStyle& style, const std::string& text, double dpi);
  // Draws the text with its top-left at (x, y); each line is placed inside `boxWidth`
  // by alignment (0 left, 1 right, 2 centre). `rgb` has red in bits 0-7; glyph
  // coverage is alpha-blended over the image's pixels, clipped to the image and `clip`.
  // Glyphs that cannot reach the clipped area are not rendered.
  void Draw(Image& image, int32_t x, int32_t y, int32_t boxWidth, int alignment,
            const TextStyle& style, const std::string& text, double dpi, uint32_t rgb,
            const PixelRect& clip = kAnywhere);
  // The same text laid out as Draw draws it at (x, y): fonts, glyph positions and bars.
  TextPlacement Place(int32_t x, int32_t y, int32_t boxWidth, int alignment, const TextStyle& style,
                      const std::string& text, double dpi);

 private:
  FontRenderer();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace led::platform
