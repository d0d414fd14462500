#include "leddisplay/render/TextCells.h"

#include "leddisplay/core/Text.h"
#include "leddisplay/render/AlphaGlyphs.h"
#include "leddisplay/render/Glyphs.h"

namespace led::render {

namespace {

// The cells of the text, every one of them (not yet cut or aligned).
std::vector<DisplayCell> AllCells(std::string_view text, bool alphanumeric = false) {
  std::vector<DisplayCell> cells;
  for (const char32_t c : core::DecodeUtf8(text)) {
    if (c == U'.') {  // the point of the cell before, or of a blank cell
      if (cells.empty() || cells.back().Point == PointState::Lit) cells.push_back({});
      cells.back().Point = PointState::Lit;
    } else if (c == U':') {  // the colon after the cell before, or after a blank cell
      if (cells.empty() || cells.back().Colon) cells.push_back({});
      cells.back().Colon = true;
    } else {
      const char glyph = alphanumeric ? AlphaTextGlyph(c) : TextGlyph(c);
      cells.push_back({.Character = glyph, .ZeroLit = glyph == '0'});
    }
  }
  return cells;
}

}  // namespace

void BuildTextCells(std::string_view text, int16_t digits, core::Boolean useOverRange,
                    bool alphanumeric, std::vector<DisplayCell>& cells) {
  cells.clear();
  if (digits <= 0) return;
  std::vector<DisplayCell> all = AllCells(text, alphanumeric);
  const size_t count = size_t(digits);
  if (all.size() > count) {
    if (core::IsTrue(useOverRange)) {
      cells = {{.Character = 'O'}, {.Character = 'R'}};
      return;
    }
    all.resize(count);
  }
  cells.assign(count - all.size(), DisplayCell{});
  cells.insert(cells.end(), all.begin(), all.end());
}

bool IsTextOverRange(std::string_view text, int16_t digits) {
  return AllCells(text).size() > size_t(digits > 0 ? digits : 0);
}

std::string TextOfCells(const std::vector<DisplayCell>& cells) {
  if (cells.size() == 2 && cells[0].Character == 'O' && cells[1].Character == 'R')
    return "over range";
  std::string text;
  for (const DisplayCell& cell : cells) {
    if (cell.Character == kDegreeGlyph)
      text += "\u00B0";
    else
      text.push_back(cell.Character);
    if (cell.Point == PointState::Lit) text.push_back('.');
    if (cell.Colon) text.push_back(':');
  }
  return text;
}

}  // namespace led::render
