#include "leddisplay/platform/kit/Placement.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "leddisplay/core/RuntimeError.h"

namespace led::platform::kit {

namespace {

// The control's AutoSizeExtentAt(zoom) in the surface's pixels.
std::optional<PixelSize> ExtentAt(const control::LEDDisplay& control, RasterSurface& surface,
                                  double zoom) {
  const std::optional<core::TwipsExtent> extent = control.AutoSizeExtentAt(zoom);
  if (!extent) return std::nullopt;
  try {
    return PixelSize{surface.PixelsFromTwipsX(extent->width),
                     surface.PixelsFromTwipsY(extent->height)};
  } catch (const core::RuntimeError&) {
    return std::nullopt;
  }
}

// The captions at one scale while it lives, then at the scales they had.
class CaptionScale {
 public:
  CaptionScale(std::span<PlacedLabel* const> captions, double scale) : captions_(captions) {
    for (PlacedLabel* caption : captions_) {
      kept_.push_back(caption->Scale());
      caption->SetScale(scale);
    }
  }
  ~CaptionScale() {
    for (size_t i = 0; i < kept_.size(); ++i) captions_[i]->SetScale(kept_[i]);
  }
  CaptionScale(const CaptionScale&) = delete;
  CaptionScale& operator=(const CaptionScale&) = delete;

 private:
  std::span<PlacedLabel* const> captions_;
  std::vector<double> kept_;
};

bool Within(PixelSize box, PixelSize area) {
  return box.width <= area.width && box.height <= area.height;
}

}  // namespace

int32_t DevicePixels(double viewPixels, double ratio) {
  return static_cast<int32_t>(std::lround(viewPixels * ratio));
}

int32_t ViewPixels(int32_t devicePixels, double ratio) {
  return static_cast<int32_t>(std::lround(devicePixels / ratio));
}

PixelSize DeviceSize(PixelSize view, double ratio) {
  return {DevicePixels(view.width, ratio), DevicePixels(view.height, ratio)};
}

PixelSize ViewSize(PixelSize device, double ratio) {
  return {ViewPixels(device.width, ratio), ViewPixels(device.height, ratio)};
}

PixelSize CentredOrigin(PixelSize area, PixelSize box) {
  return {std::max(0, (area.width - box.width) / 2), std::max(0, (area.height - box.height) / 2)};
}

std::optional<PixelSize> AutoViewSize(const control::LEDDisplay& control, RasterSurface& surface,
                                      double ratio, std::span<PlacedLabel* const> captions) {
  const CaptionScale unscaled(captions, 1);
  const double low = std::floor(ratio), high = std::ceil(ratio);
  if (low == high || low < 1) {
    const std::optional<PixelSize> device = ExtentAt(control, surface, ratio);
    if (!device) return std::nullopt;
    return ViewSize(*device, ratio);
  }
  const std::optional<PixelSize> below = ExtentAt(control, surface, low);
  const std::optional<PixelSize> above = ExtentAt(control, surface, high);
  if (!below || !above) return std::nullopt;
  const double t = ratio - low;
  const auto between = [&](int32_t a, int32_t b) {
    return static_cast<int32_t>(std::lround(a * (1 - t) + b * t));
  };
  return ViewSize({between(below->width, above->width), between(below->height, above->height)},
                  ratio);
}

double AutoSizeZoom(const control::LEDDisplay& control, RasterSurface& surface, double ratio) {
  if (ratio == std::round(ratio)) return ratio;
  const std::optional<PixelSize> view = AutoViewSize(control, surface, ratio);
  const std::optional<PixelSize> atRatio = ExtentAt(control, surface, ratio);
  if (!view || !atRatio) return ratio;
  const PixelSize box = DeviceSize(*view, ratio);
  if (Within(*atRatio, box)) return ratio;
  const std::optional<double> fit =
      control.FitZoom({static_cast<float>(box.width) * surface.TwipsPerPixelX(),
                       static_cast<float>(box.height) * surface.TwipsPerPixelY()});
  return fit ? std::min(*fit, ratio) : ratio;
}

Placement PlaceControl(const control::LEDDisplay& control, RasterSurface& surface, PixelSize view,
                       double ratio, Sizing sizing, std::span<PlacedLabel* const> captions) {
  const auto scaleCaptions = [&](double zoom) {
    for (PlacedLabel* caption : captions) caption->SetScale(zoom / ratio);
  };
  scaleCaptions(ratio);
  const PixelSize area = DeviceSize(view, ratio);
  Placement placement{ratio, area, 0, 0};
  if (sizing == Sizing::AutoSize) {
    placement.zoom = AutoSizeZoom(control, surface, ratio);
    placement.extent = ExtentAt(control, surface, placement.zoom)
                           .value_or(PixelSize{surface.ExtentPixelsX(), surface.ExtentPixelsY()});
  } else if (sizing == Sizing::Fit) {
    const std::optional<double> fit =
        control.FitZoom({static_cast<float>(area.width) * surface.TwipsPerPixelX(),
                         static_cast<float>(area.height) * surface.TwipsPerPixelY()},
                        scaleCaptions);
    scaleCaptions(fit.value_or(ratio));
    if (fit) {
      placement.zoom = *fit;
      if (const std::optional<PixelSize> box = ExtentAt(control, surface, *fit))
        placement.extent = {std::min(box->width, area.width), std::min(box->height, area.height)};
    }
  }
  const PixelSize origin = CentredOrigin(area, placement.extent);
  placement.originX = origin.width;
  placement.originY = origin.height;
  return placement;
}

}  // namespace led::platform::kit
