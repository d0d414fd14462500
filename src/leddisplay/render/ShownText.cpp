#include "leddisplay/render/ShownText.h"

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/render/RenderPass.h"
#include "leddisplay/render/TextCells.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

std::string ShownText(const model::ControlState& s, CellCache& cache) {
  if (DrawsNothing(s)) return {};
  const std::vector<DisplayCell>* cells = nullptr;
  try {
    cells = &cache.CellsFor(s);
  } catch (const core::RuntimeError&) {
    return {};  // a digit count the format cannot build: the pass draws nothing
  }
  if (!s.Extended.Text.empty()) return TextOfCells(*cells);
  // The over-range mark is the only row whose cells hold letters.
  if (!cells->empty() && cells->front().Character == 'O') return "over range";
  std::string text;
  for (const DisplayCell& cell : *cells) {
    if (cell.Character == '+' || cell.Character == '-')
      text.push_back(s.StoredValue < 0 ? '-' : '+');
    else if (cell.Character != '0' || cell.ZeroLit)
      text.push_back(cell.Character);
    if (cell.Point == PointState::Lit) text.push_back('.');
  }
  return text;
}

bool IsOverRange(const model::ControlState& s) {
  if (!s.Extended.Text.empty()) return IsTextOverRange(s.Extended.Text, s.StoredDigits);
  try {
    return FormatDisplay(s.StoredValue, s.StoredDigits, s.StoredDecimals, s.StoredLeadingPlusMinus,
                         core::kTrue)
               .DisplayText == "OR";
  } catch (const core::RuntimeError&) {
    return true;
  }
}

}  // namespace led::render
