#include "leddisplay/platform/text/TextLabel.h"

#include <cmath>

#include "leddisplay/platform/text/FontRenderer.h"

namespace led::platform {

namespace {

TextStyle StyleOf(const host::Font& font) {
  TextStyle style;
  style.family = font.Name();
  style.points = static_cast<double>(font.Size()) / 10000.0;
  style.bold = core::IsTrue(font.Bold());
  style.italic = core::IsTrue(font.Italic());
  style.underline = core::IsTrue(font.Underline());
  style.strikethrough = core::IsTrue(font.Strikethrough());
  return style;
}

}  // namespace

TextLabel::TextLabel(RasterSurface& surface, std::string caption)
    : PlacedLabel(surface, std::move(caption)), raster_(surface) {}

core::OleColor TextLabel::DrawnColor() const {
  if (raster_.ShowsDisabledLook()) return raster_.SystemColor(kColorGrayText);
  return raster_.Resolve(foreColor_);
}

// Text is laid out at the surface's resolution (1440 twips make an inch), drawn at the
// scale's multiple of it.
double TextLabel::Dpi() {
  const float tpp = surface_.TwipsPerPixelY();
  return (std::isfinite(tpp) && tpp > 0) ? 1440.0 / tpp : 96.0;
}

int32_t TextLabel::PixelWidth() {
  return ScaledLength(FontRenderer::Instance().Measure(StyleOf(*font_), caption_, Dpi()).width);
}

int32_t TextLabel::PixelHeight() {
  return ScaledLength(FontRenderer::Instance().Measure(StyleOf(*font_), caption_, Dpi()).height);
}

bool TextLabel::TopLeft(int32_t originX, int32_t originY, int64_t& x, int64_t& y) const {
  // Places far outside any image are skipped rather than overflowing the arithmetic.
  constexpr float kFar = 1.0e9f;
  if (std::fabs(leftPx_) > kFar || std::fabs(topPx_) > kFar) return false;
  x = static_cast<int64_t>(std::nearbyint(leftPx_)) + originX;
  y = static_cast<int64_t>(std::nearbyint(topPx_)) + originY;
  return true;
}

TextPlacement TextLabel::Place(int32_t originX, int32_t originY) {
  int64_t x = 0, y = 0;
  if (!TopLeft(originX, originY, x, y)) return {};
  const TextStyle style = StyleOf(*font_);
  return FontRenderer::Instance().Place(static_cast<int32_t>(x), static_cast<int32_t>(y),
                                        PixelWidth(), alignment_, style, caption_, Dpi() * scale_);
}

void TextLabel::DrawOnto(Image& image, int32_t originX, int32_t originY, const PixelRect& clip) {
  int64_t x = 0, y = 0;
  if (!TopLeft(originX, originY, x, y)) return;
  const TextStyle style = StyleOf(*font_);
  const int32_t width = PixelWidth(), height = PixelHeight();
  if (x >= image.width || y >= image.height || x + width < 0 || y + height < 0) return;
  FontRenderer::Instance().Draw(image, static_cast<int32_t>(x), static_cast<int32_t>(y), width,
                                alignment_, style, caption_, Dpi() * scale_, DrawnColor(), clip);
}

}  // namespace led::platform
