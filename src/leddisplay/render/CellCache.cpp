#include "leddisplay/render/CellCache.h"

#include <bit>

#include "leddisplay/render/TextCells.h"

namespace led::render {

const std::vector<DisplayCell>& CellCache::CellsFor(const model::ControlState& s) {
  const Inputs inputs{std::bit_cast<uint64_t>(s.StoredValue),
                      s.StoredDigits,
                      s.StoredDecimals,
                      s.StoredLeadingPlusMinus,
                      s.StoredUseOverRange,
                      s.StoredLeadingZeros,
                      s.StoredShowAllDecimalPoints,
                      s.Extended.SegmentStyle};
  if (valid_ && inputs == inputs_ && s.Extended.Text == text_) return cells_;
  valid_ = false;  // stays so when formatting raises
  if (!s.Extended.Text.empty()) {
    BuildTextCells(s.Extended.Text, s.StoredDigits, s.StoredUseOverRange,
                   s.Extended.SegmentStyle != 0, cells_);
    inputs_ = inputs;
    text_ = s.Extended.Text;
    valid_ = true;
    return cells_;
  }
  text_.clear();
  const FormattedDisplay formatted = FormatDisplay(s.StoredValue, s.StoredDigits, s.StoredDecimals,
                                                   s.StoredLeadingPlusMinus, s.StoredUseOverRange);
  BuildDisplayCells(formatted, s.StoredLeadingZeros, s.StoredShowAllDecimalPoints, cells_);
  inputs_ = inputs;
  valid_ = true;
  return cells_;
}

const std::vector<host::LineCall>* CellCache::KeptLines(size_t index,
                                                        const CellInputs& inputs) const {
  if (index >= kept_.size()) return nullptr;
  const KeptCell& kept = kept_[index];
  return kept.valid && kept.inputs == inputs ? &kept.lines : nullptr;
}

std::vector<host::LineCall>& CellCache::StartLines(size_t index) {
  if (index >= kept_.size()) kept_.resize(index + 1);
  KeptCell& kept = kept_[index];
  kept.valid = false;
  kept.lines.clear();
  return kept.lines;
}

void CellCache::KeepLines(size_t index, const CellInputs& inputs) {
  kept_[index].inputs = inputs;
  kept_[index].valid = true;
}

const std::vector<DisplayCell>& CellsOf(Display& display, CellCache& scratch) {
  return (display.cells != nullptr ? *display.cells : scratch).CellsFor(display.state);
}

}  // namespace led::render
