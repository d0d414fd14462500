#include "leddisplay/render/RenderPass.h"

#include <cmath>
#include <vector>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/ErrorRegimes.h"
#include "leddisplay/model/EventSet.h"
#include "leddisplay/render/Background.h"
#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/DigitRow.h"
#include "leddisplay/render/Glyphs.h"
#include "leddisplay/render/Layout.h"
#include "leddisplay/render/Segments.h"

namespace led::render {

namespace {

// 0 and -0 are the same value, and so are two NaNs: a NaN Value must not raise Change
// on every pass.
bool SameValue(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

void Pass(Display& display) {
  model::ControlState& s = display.state;
  host::Surface& surface = display.host.surface;

  surface.SetDrawWidth(1);
  surface.SetScaleMode(host::kScalePixels);
  surface.Cls();
  const host::PicturePtr picture = surface.Picture();
  if (picture == nullptr || picture->Handle() == 0) PaintBackground(display);

  const int16_t halfHeight = core::Div16(s.StoredDigitHeight, 2);
  int16_t cellLeft = s.StoredDigitLeftMargin;
  const int16_t digitTop = DigitTop(display);

  CellCache passCells;
  CellCache& cache = display.cells != nullptr ? *display.cells : passCells;
  const std::vector<DisplayCell>& cells = cache.CellsFor(s);

  for (const DisplayCell& cell : cells) {
    if (cell.Character == '+' || cell.Character == '-')
      DrawPlusMinusSign(display, digitTop);
    else
      DrawGlyphCell(display, cell, cellLeft, digitTop, halfHeight);
    cellLeft = core::Add16(core::Add16(s.StoredDigitSpacing, cellLeft), s.StoredDigitWidth);
  }

  if (core::IsTrue(s.StoredAutoSize)) AutoSizeWidth(display, cellLeft);

  // A nested pass (from the resize that the width change caused) may have raised the
  // Change already; then the values agree here and nothing is raised twice.
  if (!SameValue(s.StoredValue, s.LastChangeValue)) {
    s.LastChangeValue = s.StoredValue;
    const model::EventDescription& change = model::EventSet()[model::kChangeEvent];
    display.host.container.RaiseEvent(change.dispid, std::string(change.name), {});
  }
}

}  // namespace

void RenderDisplay(Display& display) {
  if (display.state.StoredDigits == 0 || display.state.StoredSegmentWidth == 0) return;
  core::EndQuietly([&] { Pass(display); });
}

int16_t RowEnd(const model::ControlState& s, size_t cells) {
  int16_t end = s.StoredDigitLeftMargin;
  for (size_t i = 0; i < cells; ++i)
    end = core::Add16(core::Add16(s.StoredDigitSpacing, end), s.StoredDigitWidth);
  return end;
}

// The border takes its width from the extent on both sides, so the row of cells, the
// last decimal point included, fits inside the inner image.
int32_t AutoSizeWidthPixels(const model::ControlState& s, int16_t x) {
  return int32_t{x} + 2 * int32_t{BorderWidth(s)};
}

void AutoSizeWidth(Display& display, int16_t x) {
  host::Surface& surface = display.host.surface;
  const int32_t pixels = AutoSizeWidthPixels(display.state, x);
  surface.SetWidth(static_cast<float>(pixels) * surface.TwipsPerPixelX());
  display.state.SizingInProgress = core::kFalse;
}

}  // namespace led::render
