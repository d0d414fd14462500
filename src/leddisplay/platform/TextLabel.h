#pragma once
// A caption label on a surface: transparent, sized to its text. Its place is kept in
// pixels of the surface's inner area; Left, Top, Width and Height are reported and
// taken in the surface's current scale (through Surface::ScaleX/ScaleY). Text is
// measured at 1440 / TwipsPerPixel dots per inch of the surface. An empty caption
// keeps the height of one line and has width 0; "\n" starts a new line and Alignment
// (0 left, 1 right, 2 centre) places each line inside the label's width.
// It starts with DejaVu Sans 8 pt, ForeColor black (0), Alignment 0 and the place
// (0, 0). Alignment outside 0..2 raises 380 and changes nothing; a null font 91.
#include <cstdint>
#include <string>

#include "leddisplay/host/Label.h"
#include "leddisplay/host/Surface.h"
#include "leddisplay/platform/Image.h"

namespace led::platform {

class TextLabel : public host::Label {
 public:
  // `surface` must outlive the label.
  TextLabel(host::Surface& surface, std::string caption);

  std::string Caption() override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  core::OleColor ForeColor() override { return foreColor_; }
  void SetForeColor(core::OleColor color) override { foreColor_ = color; }
  int16_t Alignment() override { return alignment_; }
  void SetAlignment(int16_t alignment) override;
  host::FontPtr Font() override { return font_; }
  void SetFont(host::FontPtr font) override;
  float Width() override;
  float Height() override;
  float Left() override;
  void SetLeft(float left) override;
  float Top() override;
  void SetTop(float top) override;

  // Size and place in pixels of the surface.
  int32_t PixelWidth();
  int32_t PixelHeight();
  float PixelLeft() const { return leftPx_; }
  float PixelTop() const { return topPx_; }

  // Draws the text, anti-aliased in ForeColor (system colours resolved), at its place
  // (rounded to whole pixels) plus the origin offset; clipped to the image and `clip`.
  void DrawOnto(Image& image, int32_t originX, int32_t originY, const PixelRect& clip = kAnywhere);

 private:
  double Dpi();

  host::Surface& surface_;
  std::string caption_;
  core::OleColor foreColor_ = 0;
  int16_t alignment_ = 0;
  host::FontPtr font_;
  float leftPx_ = 0;
  float topPx_ = 0;
};

}  // namespace led::platform
