#include "leddisplay/qt/ShownText.h"

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/render/ValueFormat.h"

namespace led::qt {

std::string ShownText(const model::ControlState& s) {
  if (s.StoredDigits == 0 || s.StoredSegmentWidth == 0) return {};
  try {
    const render::FormattedDisplay formatted =
        render::FormatDisplay(s.StoredValue, s.StoredDigits, s.StoredDecimals,
                              s.StoredLeadingPlusMinus, s.StoredUseOverRange);
    if (formatted.DisplayText == "OR") return "over range";
    std::string text;
    for (const render::DisplayCell& cell :
         render::BuildDisplayCells(formatted, s.StoredLeadingZeros, s.StoredShowAllDecimalPoints)) {
      if (cell.Character == '+' || cell.Character == '-')
        text.push_back(s.StoredValue < 0 ? '-' : '+');
      else if (cell.Character != '0' || cell.ZeroLit)
        text.push_back(cell.Character);
      if (cell.Point == render::PointState::Lit) text.push_back('.');
    }
    return text;
  } catch (const core::RuntimeError&) {
    return {};  // a digit count the format cannot build: the pass draws nothing
  }
}

bool IsOverRange(const model::ControlState& s) {
  try {
    return render::FormatDisplay(s.StoredValue, s.StoredDigits, s.StoredDecimals,
                                 s.StoredLeadingPlusMinus, core::kTrue)
               .DisplayText == "OR";
  } catch (const core::RuntimeError&) {
    return true;
  }
}

}  // namespace led::qt
