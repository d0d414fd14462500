#include "leddisplay/render/ShownText.h"

#include <optional>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/render/AlphaGlyphs.h"
#include "leddisplay/render/Glyphs.h"
#include "leddisplay/render/RenderPass.h"
#include "leddisplay/render/TextCells.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::render {

namespace {

// The number's cells as text (the sign as lit, blanked zeros left out).
std::string NumberText(const model::ControlState& s, const std::vector<DisplayCell>& cells) {
  // The over-range mark is the only row whose cells hold letters.
  if (!cells.empty() && cells.front().Character == 'O' && cells.front().Segments < 0)
    return "over range";
  std::string text;
  for (const DisplayCell& cell : cells) {
    if (cell.Segments >= 0)  // set by hand: the character of its segments
      text.push_back(cell.Character);
    else if (cell.Character == '+' || cell.Character == '-')
      text.push_back(s.StoredValue < 0 ? '-' : '+');
    else if (cell.Character != '0' || cell.ZeroLit)
      text.push_back(cell.Character);
    if (cell.Point == PointState::Lit) text.push_back('.');
  }
  return text;
}

}  // namespace

std::string ShownText(const model::ControlState& s, CellCache& cache) {
  if (DrawsNothing(s)) return {};
  const std::vector<DisplayCell>* cells = nullptr;
  try {
    cells = &cache.CellsFor(s);
  } catch (const core::RuntimeError&) {
    return {};  // a digit count the format cannot build: the pass draws nothing
  }
  // Cells with segments set by hand show the character of those segments.
  const std::vector<int32_t>& byHand = s.Extended.CellSegments;
  const auto handMade = [&](size_t i) -> std::optional<char> {
    if (i >= byHand.size() || byHand[i] < 0) return std::nullopt;
    return s.Extended.SegmentStyle == model::kSevenSegments
               ? SevenSegmentCharacter(byHand[i])
               : AlphaCharacter(byHand[i], s.Extended.SegmentStyle == model::kSixteenSegments);
  };
  if (!s.Extended.Text.empty() || !byHand.empty()) {
    std::vector<DisplayCell> shown = *cells;
    for (size_t i = 0; i < shown.size(); ++i)
      if (const std::optional<char> c = handMade(i)) {
        shown[i] = {
            .Character = *c, .ZeroLit = true, .Colon = shown[i].Colon, .Segments = byHand[i]};
        if ((byHand[i] & model::kPointSegment) != 0) shown[i].Point = PointState::Lit;
      }
    if (!s.Extended.Text.empty()) return TextOfCells(shown);
    return NumberText(s, shown);
  }
  return NumberText(s, *cells);
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
