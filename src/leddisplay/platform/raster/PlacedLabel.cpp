#include "leddisplay/platform/raster/PlacedLabel.h"

#include <cmath>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/raster/StdFont.h"

namespace led::platform {

namespace {

// A place in the surface's scale as pixels; 380 when it has no finite pixel value.
float ToPixels(float pixels) {
  if (!std::isfinite(pixels)) throw core::RuntimeError(core::kInvalidPropertyValue);
  return pixels;
}

}  // namespace

PlacedLabel::PlacedLabel(host::Surface& surface, std::string caption)
    : surface_(surface), caption_(std::move(caption)), font_(std::make_shared<StdFont>()) {}

void PlacedLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void PlacedLabel::SetForeColor(core::OleColor color) {
  foreColor_ = color;
  Changed();
}

void PlacedLabel::SetAlignment(int16_t alignment) {
  if (alignment < 0 || alignment > 2) throw core::RuntimeError(core::kInvalidPropertyValue);
  alignment_ = alignment;
  Changed();
}

void PlacedLabel::SetFont(host::FontPtr font) {
  if (!font) throw core::RuntimeError(core::kObjectNotSet);
  font_ = std::move(font);
  Changed();
}

float PlacedLabel::Width() {
  return surface_.ScaleX(static_cast<float>(PixelWidth()), host::kScalePixels,
                         surface_.ScaleMode());
}

float PlacedLabel::Height() {
  return surface_.ScaleY(static_cast<float>(PixelHeight()), host::kScalePixels,
                         surface_.ScaleMode());
}

float PlacedLabel::Left() {
  return surface_.ScaleX(leftPx_, host::kScalePixels, surface_.ScaleMode());
}

void PlacedLabel::SetLeft(float left) {
  leftPx_ = ToPixels(surface_.ScaleX(left, surface_.ScaleMode(), host::kScalePixels));
  Changed();
}

float PlacedLabel::Top() {
  return surface_.ScaleY(topPx_, host::kScalePixels, surface_.ScaleMode());
}

void PlacedLabel::SetTop(float top) {
  topPx_ = ToPixels(surface_.ScaleY(top, surface_.ScaleMode(), host::kScalePixels));
  Changed();
}

}  // namespace led::platform
