// Internal: not installed.
#pragma once
// A caption label drawn with Qt's own text: its font object is shown as a QFont and
// measured with QFontMetrics on its view (HostView.h), so the label is as wide as its
// text and as high as a line of it, in the surface's pixels: the view's pixels times the
// device pixel ratio (SetDeviceRatio), rounded up; the font is drawn at its size times
// the label's scale (PlacedLabel::SetScale). The measure is kept until the caption
// or the font's values change, or Remeasure() says the screen did. Every change repaints
// the view. The text colour is ForeColor as the surface draws it; while the view is
// disabled, the palette's disabled WindowText colour (the disabled look's grey).
#include <QPainter>
#include <memory>
#include <optional>
#include <string>

#include "leddisplay/platform/raster/PlacedLabel.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/qt/HostView.h"

namespace led::qt {

class ViewLabel : public platform::PlacedLabel {
 public:
  ViewLabel(HostView& view, platform::RasterSurface& surface, std::string caption);

  int32_t PixelWidth() override { return PixelSize().width(); }
  int32_t PixelHeight() override { return PixelSize().height(); }

  // The text's box in the surface's pixels, offset by the origin (the inner area's corner).
  QRect PixelRect(int originX, int originY);
  // Draws the text at its place, on a painter in the view's pixels: the box divided by
  // the device pixel ratio.
  void Draw(QPainter& painter, int originX, int originY);
  // The surface's pixels per view pixel; a change forgets the kept measure.
  void SetDeviceRatio(double ratio);
  // Forgets the kept measure (the view moved to a screen of another resolution).
  void Remeasure() { measured_.reset(); }

 private:
  QSize PixelSize();
  // The font as drawn: its size times the label's scale.
  QFont ScaledFont() const;
  void Changed() override;

  HostView& view_;
  const platform::RasterSurface& colors_;  // resolves ForeColor as the surface does
  double ratio_ = 1;
  std::optional<QSize> measured_;
  std::shared_ptr<platform::StdFont> measuredFont_;  // the font's attributes when measured
};

}  // namespace led::qt
