#include "leddisplay/platform/raster/PlacedLabel.h"

#include <climits>
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
  Touched();
}

void PlacedLabel::SetForeColor(core::OleColor color) {
  foreColor_ = color;
  Touched();
}

void PlacedLabel::SetAlignment(int16_t alignment) {
  if (alignment < 0 || alignment > 2) throw core::RuntimeError(core::kInvalidPropertyValue);
  alignment_ = alignment;
  Touched();
}

void PlacedLabel::SetFont(host::FontPtr font) {
  if (!font) throw core::RuntimeError(core::kObjectNotSet);
  font_ = std::move(font);
  Touched();
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
  Touched();
}

float PlacedLabel::Top() {
  return surface_.ScaleY(topPx_, host::kScalePixels, surface_.ScaleMode());
}

void PlacedLabel::SetTop(float top) {
  topPx_ = ToPixels(surface_.ScaleY(top, surface_.ScaleMode(), host::kScalePixels));
  Touched();
}

void PlacedLabel::SetScale(double scale) {
  if (!(std::isfinite(scale) && scale > 0)) throw core::RuntimeError(core::kInvalidPropertyValue);
  if (scale == scale_) return;
  scale_ = scale;
  Touched();
}

int32_t PlacedLabel::ScaledLength(int32_t unscaled) const {
  if (scale_ == 1) return unscaled;
  const double scaled = std::ceil(double(unscaled) * scale_);
  return scaled < double(INT32_MAX) ? int32_t(scaled) : INT32_MAX;
}

void PlacedLabel::Touched() {
  ++generation_;
  Changed();
}

}  // namespace led::platform
