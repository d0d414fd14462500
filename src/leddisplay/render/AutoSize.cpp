#include "leddisplay/render/AutoSize.h"

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/RenderPass.h"
#include "leddisplay/render/Slant.h"

namespace led::render {

namespace {

float WidthTwips(const Display& display, int16_t rowEnd, float twipsPerPixel) {
  const int32_t pixels = int32_t{rowEnd} + SlantWidth(display.state, display.zoom) +
                         2 * int32_t{BorderWidth(display.state, display.zoom)};
  return static_cast<float>(pixels) * twipsPerPixel;
}

// A caption's share of the height in twips: its label's height plus the margin when it
// has text, the margin alone otherwise.
double CaptionShare(host::Label& label, double twipsPerPixel, int16_t margin) {
  const bool caption = label.HasCaption();
  const float height = label.Height();
  return caption ? height * twipsPerPixel + margin : margin;
}

int Allowance(const model::ControlState& s, double zoom) {
  const bool threeD = s.StoredAppearance == model::ThreeD;
  const bool flat = s.StoredAppearance == model::Flat;
  const bool single = s.StoredBorderStyle == model::FixedSingle;
  const bool none = s.StoredBorderStyle == model::BorderNone;
  if (!(threeD || flat) || !(single || none)) return 0;
  return core::ZoomLength(single ? (threeD ? 9 : 6) : 5, zoom);
}

// The height steps: `set` takes each height AutoSize sets, `held` gives back the height
// the surface keeps after the first.
template <class Set, class Held>
void HeightSteps(Display& display, double twipsPerPixel, Set&& set, Held&& held) {
  const Geometry lengths = GeometryOf(display);
  const double t = twipsPerPixel;
  const int16_t margin = core::Round16(lengths.digitUpperMargin * t);
  const double lowerShare = CaptionShare(display.host.lowerCaption, t, margin);
  const double upperShare = CaptionShare(display.host.upperCaption, t, margin);
  set(static_cast<float>((upperShare + lowerShare) + lengths.digitHeight * t));
  if (const int allowance = Allowance(display.state, display.zoom); allowance != 0) {
    const float height = held();
    set(static_cast<float>(height + allowance * t));
  }
}

// Clears SizingInProgress when AutoSizeHeight ends, normally or on an error, so that an
// error cannot leave later resizes without layout and redraw.
struct SizingScope {
  model::ControlState& state;
  explicit SizingScope(model::ControlState& s) : state(s) { state.SizingInProgress = core::kTrue; }
  ~SizingScope() { state.SizingInProgress = core::kFalse; }
  SizingScope(const SizingScope&) = delete;
  SizingScope& operator=(const SizingScope&) = delete;
};

}  // namespace

int16_t BorderWidth(const model::ControlState& state, double zoom) {
  if (state.StoredBorderStyle != model::FixedSingle) return 0;
  if (state.StoredAppearance == model::ThreeD) return core::ZoomLength(2, zoom);
  return state.StoredAppearance == model::Flat ? core::ZoomLength(1, zoom) : 0;
}

int16_t NextCellLeft(const Geometry& lengths, int16_t cellLeft) {
  return core::Add16(core::Add16(lengths.digitSpacing, cellLeft), lengths.digitWidth);
}

int16_t RowEnd(const Geometry& lengths, size_t cells) {
  int16_t end = lengths.digitLeftMargin;
  for (size_t i = 0; i < cells; ++i) end = NextCellLeft(lengths, end);
  return end;
}

void AutoSizeWidth(Display& display, int16_t rowEnd) {
  host::Surface& surface = display.host.surface;
  surface.SetWidth(WidthTwips(display, rowEnd, surface.TwipsPerPixelX()));
  display.state.SizingInProgress = core::kFalse;
}

void AutoSizeHeight(Display& display) {
  host::Surface& surface = display.host.surface;
  const SizingScope sizing(display.state);
  HeightSteps(
      display, surface.TwipsPerPixelY(), [&](float twips) { surface.SetHeight(twips); },
      [&] { return surface.Height(); });
}

std::optional<core::TwipsExtent> ReckonAutoSize(Display& display) {
  const model::ControlState& s = display.state;
  if (DrawsNothing(s)) return std::nullopt;
  host::Surface& surface = display.host.surface;
  try {
    CellCache passCells;
    core::TwipsExtent extent;
    const int16_t rowEnd = RowEnd(GeometryOf(display), CellsOf(display, passCells).size());
    extent.width = WidthTwips(display, rowEnd, surface.TwipsPerPixelX());
    const double t = surface.TwipsPerPixelY();
    HeightSteps(
        display, t, [&](float twips) { extent.height = twips; },
        [&] { return static_cast<float>(core::RoundHalfEven(double{extent.height} / t) * t); });
    return extent;
  } catch (const core::RuntimeError&) {
    return std::nullopt;
  }
}

}  // namespace led::render
