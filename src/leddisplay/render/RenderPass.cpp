#include "leddisplay/render/RenderPass.h"

#include <cmath>
#include <vector>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/ErrorRegimes.h"
#include "leddisplay/model/EventSet.h"
#include "leddisplay/render/AlphaGlyphs.h"
#include "leddisplay/render/AutoSize.h"
#include "leddisplay/render/Background.h"
#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/CellColors.h"
#include "leddisplay/render/DigitRow.h"
#include "leddisplay/render/Geometry.h"
#include "leddisplay/render/Glyphs.h"
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

  const Geometry lengths = GeometryOf(display);
  const int16_t halfHeight = core::Div16(lengths.digitHeight, 2);
  int16_t cellLeft = lengths.digitLeftMargin;
  const int16_t digitTop = DigitTop(display, lengths);

  CellCache passCells;
  const std::vector<DisplayCell>& cells = CellsOf(display, passCells);

  const bool text = !s.Extended.Text.empty();  // no sign cell: a "-" is a glyph
  const std::vector<int32_t>& byHand = s.Extended.CellSegments;
  for (size_t i = 0; i < cells.size(); ++i) {
    DisplayCell cell = cells[i];
    if (i < byHand.size() && byHand[i] >= 0) cell.Segments = byHand[i];
    const core::OleColor lit = LitColorOf(s, i, cells.size());
    if (!text && cell.Segments < 0 && (cell.Character == '+' || cell.Character == '-'))
      DrawPlusMinusSign(display, lengths, digitTop, i, lit);
    else if (s.Extended.SegmentStyle != model::kSevenSegments)
      DrawAlphaCell(display, lengths, cell, cellLeft, digitTop, halfHeight, i, lit,
                    s.Extended.SegmentStyle == model::kSixteenSegments);
    else
      DrawGlyphCell(display, lengths, cell, cellLeft, digitTop, halfHeight, i, lit);
    cellLeft = NextCellLeft(lengths, cellLeft);
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
  if (DrawsNothing(display.state)) return;
  core::EndQuietly([&] { Pass(display); });
}

bool DrawsNothing(const model::ControlState& state) {
  return state.StoredDigits == 0 || state.StoredSegmentWidth == 0;
}

}  // namespace led::render
