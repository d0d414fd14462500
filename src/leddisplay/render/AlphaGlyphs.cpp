// Sections: the glyph table; drawing a cell.
#include "leddisplay/render/AlphaGlyphs.h"

#include <algorithm>
#include <array>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/render/Glyphs.h"
#include "leddisplay/render/LineBatch.h"
#include "leddisplay/render/Segments.h"
#include "leddisplay/render/Slant.h"

namespace led::render {

namespace {

// --- Glyph table -------------------------------------------------------------------

// The 14 segments by name, in their bit order.
constexpr std::array<std::string_view, 14> kNames = {"a",  "b", "c", "d", "e", "f", "g1",
                                                     "g2", "h", "i", "j", "k", "l", "m"};

// A glyph's segments from their names, separated by spaces.
constexpr uint32_t Lit(std::string_view names) {
  uint32_t mask = 0;
  while (!names.empty()) {
    const size_t end = std::min(names.find(' '), names.size());
    for (size_t bit = 0; bit < kNames.size(); ++bit)
      if (kNames[bit] == names.substr(0, end)) mask |= 1u << bit;
    names.remove_prefix(std::min(end + 1, names.size()));
  }
  return mask;
}

struct AlphaGlyph {
  char character;
  uint32_t segments;  // Fourteen's bits
};

constexpr AlphaGlyph kTable[] = {
    {'0', Lit("a b c d e f")},
    {'1', Lit("b c")},
    {'2', Lit("a b d e g1 g2")},
    {'3', Lit("a b c d g1 g2")},
    {'4', Lit("b c f g1 g2")},
    {'5', Lit("a c d f g1 g2")},
    {'6', Lit("c d e f g1 g2")},  // no top bar, as the seven-segment 6
    {'7', Lit("a b c")},
    {'8', Lit("a b c d e f g1 g2")},
    {'9', Lit("a b c f g1 g2")},  // no bottom bar, as the seven-segment 9
    {'A', Lit("a b c e f g1 g2")},
    {'B', Lit("a b c d g2 i l")},
    {'C', Lit("a d e f")},
    {'D', Lit("a b c d i l")},
    {'E', Lit("a d e f g1")},
    {'F', Lit("a e f g1")},
    {'G', Lit("a c d e f g2")},
    {'H', Lit("b c e f g1 g2")},
    {'I', Lit("a d i l")},
    {'J', Lit("b c d e")},
    {'K', Lit("e f g1 j m")},
    {'L', Lit("d e f")},
    {'M', Lit("b c e f h j")},
    {'N', Lit("b c e f h m")},
    {'O', Lit("a b c d e f")},
    {'P', Lit("a b e f g1 g2")},
    {'Q', Lit("a b c d e f m")},
    {'R', Lit("a b e f g1 g2 m")},
    {'S', Lit("a c d f g1 g2")},
    {'T', Lit("a i l")},
    {'U', Lit("b c d e f")},
    {'V', Lit("e f j k")},
    {'W', Lit("b c e f k m")},
    {'X', Lit("h j k m")},
    {'Y', Lit("h j l")},
    {'Z', Lit("a d j k")},
    {'+', Lit("g1 g2 i l")},
    {'-', Lit("g1 g2")},
    {'*', Lit("g1 g2 h i j k l m")},
    {'/', Lit("j k")},
    {'\\', Lit("h m")},
    {'<', Lit("j m")},
    {'>', Lit("h k")},
    {'=', Lit("d g1 g2")},
    {'_', Lit("d")},
    {'\'', Lit("i")},
    {'"', Lit("f i")},
    {'(', Lit("j m")},
    {')', Lit("h k")},
    {'[', Lit("a d e f")},
    {']', Lit("a b c d")},
    {'%', Lit("c f g1 g2 j k")},
    {'$', Lit("a c d f g1 g2 i l")},
    {'#', Lit("b c d g1 g2 i l")},
    {'@', Lit("a b d e f g2 i")},
    {'!', Lit("b c")},
    {'?', Lit("a b g2 l")},
    {kDegreeGlyph, Lit("a b f g1 g2")},
    {' ', 0},
};

const AlphaGlyph* FindAlpha(char character) {
  for (const AlphaGlyph& glyph : kTable)
    if (glyph.character == character) return &glyph;
  return nullptr;
}

// Fourteen's bits as Sixteen's: a and d lit as both their halves.
uint32_t AsSixteen(uint32_t f) {
  const auto bit = [&](int i) { return (f >> i) & 1u; };
  uint32_t s = 0;
  s |= bit(0) * 0b11u;         // a: a1 a2
  s |= bit(1) << 2;            // b
  s |= bit(2) << 3;            // c
  s |= bit(3) * (0b11u << 4);  // d: d1 d2
  s |= (f >> 4) << 6;          // e, f, g1, g2, h, i, j, k, l, m
  return s;
}

// --- Drawing a cell ------------------------------------------------------------------

enum class Part : uint8_t { Top, Bottom, Left, Right, Middle, Centre, Diagonal };

// The primitive of each part but the diagonal, by Part.
using StraightPrimitive = void (*)(LineBatch&, int16_t, int16_t, int16_t, core::OleColor);
constexpr StraightPrimitive kStraight[] = {DrawSegmentTop,   DrawSegmentBottom, DrawSegmentLeft,
                                           DrawSegmentRight, DrawSegmentMiddle, DrawSegmentCentre};

struct Bar {
  Part part;
  int32_t a, b, c, d;  // the primitive's arguments (a diagonal: x1, y1, x2, y2)
  bool rising = false;
};

}  // namespace

char AlphaTextGlyph(char32_t c) {
  if (c == U'\u00B0') return kDegreeGlyph;
  if (c >= U'a' && c <= U'z') c -= 32;
  if (c > 0x7F) return ' ';
  return kAlphaGlyphs.find(char(c)) != std::string_view::npos ? char(c) : ' ';
}

uint32_t AlphaSegments(char character, bool sixteen) {
  const AlphaGlyph* glyph = FindAlpha(character);
  if (glyph == nullptr) return 0;
  return sixteen ? AsSixteen(glyph->segments) : glyph->segments;
}

char AlphaCharacter(int32_t mask, bool sixteen) {
  for (const AlphaGlyph& glyph : kTable)
    if ((sixteen ? AsSixteen(glyph.segments) : glyph.segments) == (uint32_t(mask) & 0xFFFFu))
      return glyph.character;
  return '?';
}

void DrawAlphaCell(Display& display, const Geometry& g, const DisplayCell& cell, int16_t left,
                   int16_t top, int16_t halfHeight, size_t index, core::OleColor lit,
                   bool sixteen) {
  const model::ControlState& st = display.state;
  const CellCache::CellInputs inputs = GlyphInputs(display, g, cell, left, top, halfHeight, lit);
  DrawCellLines(display, g, index, inputs, [&](LineBatch& lines) {
    // A blanked zero of a number shows wholly unlit, as the seven-segment one.
    const bool blank = cell.Character == '0' && !cell.ZeroLit;
    const uint32_t mask = cell.Segments >= 0 ? uint32_t(cell.Segments) & 0xFFFFu
                          : blank            ? 0
                                             : AlphaSegments(cell.Character, sixteen);
    const int32_t x = left, y = top, W = g.digitWidth, H = g.digitHeight, h = halfHeight;
    const int32_t w = g.segmentWidth, s = g.segmentSeperation;
    const int32_t k = w > 1 ? w / 2 : 0;       // half an upright centre bar
    const int32_t xc = x + W / 2;              // the centre column
    const int32_t split = std::max(1, s / 2);  // half the gap of a split bar
    // The quarters the diagonals cross, a gap from every bar around them.
    const int32_t leftFrom = x + w + s, leftTo = xc - k - s - 1;
    const int32_t rightFrom = xc + k + s + 1, rightTo = x + W - w - s;
    const int32_t upperFrom = y + w + s, upperTo = y + h - k - s - 1;
    const int32_t lowerFrom = y + h + k + s + 1, lowerTo = y + H - w - s;
    std::array<Bar, 16> bars{};
    size_t n = 0;
    if (sixteen) {
      bars[n++] = {Part::Top, x, xc - split, y, 0};
      bars[n++] = {Part::Top, xc + split, x + W, y, 0};
    } else {
      bars[n++] = {Part::Top, x, x + W, y, 0};
    }
    bars[n++] = {Part::Right, x + W, y - 1 + s, y + 1 + h - s, 0};      // b
    bars[n++] = {Part::Right, x + W, y - 1 + h + s, y + 1 + H - s, 0};  // c
    if (sixteen) {
      bars[n++] = {Part::Bottom, x, xc - split, y + H, 0};
      bars[n++] = {Part::Bottom, xc + split, x + W, y + H, 0};
    } else {
      bars[n++] = {Part::Bottom, x, x + W, y + H, 0};
    }
    bars[n++] = {Part::Left, x, y + h + s, y + H - s, 0};                        // e
    bars[n++] = {Part::Left, x, y + s, y + h - s, 0};                            // f
    bars[n++] = {Part::Middle, x, xc - split, y + h, 0};                         // g1
    bars[n++] = {Part::Middle, xc + split, x + W, y + h, 0};                     // g2
    bars[n++] = {Part::Diagonal, leftFrom, upperFrom, leftTo, upperTo};          // h
    bars[n++] = {Part::Centre, xc, y + w - 1 + s, y + h - k - s, 0};             // i
    bars[n++] = {Part::Diagonal, rightFrom, upperFrom, rightTo, upperTo, true};  // j
    bars[n++] = {Part::Diagonal, leftFrom, lowerFrom, leftTo, lowerTo, true};    // k
    bars[n++] = {Part::Centre, xc, y + h + k + s, y + H - w + 1 - s, 0};         // l
    bars[n++] = {Part::Diagonal, rightFrom, lowerFrom, rightTo, lowerTo};        // m
    // Drawn as a seven-segment cell's (a, f, b, g, e, c, d), then the inner bars: each
    // bar follows one it touches, so that the pieces of one colour join without a bar of
    // another painted between them.
    static constexpr std::array<uint8_t, 14> kFourteenOrder = {0, 5, 1, 6,  7,  4,  2,
                                                               3, 8, 9, 10, 11, 12, 13};
    static constexpr std::array<uint8_t, 16> kSixteenOrder = {0, 1, 7,  2,  8,  9,  6,  3,
                                                              4, 5, 10, 11, 12, 13, 14, 15};
    for (size_t at = 0; at < n; ++at) {
      const size_t i = sixteen ? kSixteenOrder[at] : kFourteenOrder[at];
      const Bar& bar = bars[i];
      const core::OleColor color = ((mask >> i) & 1u) != 0 ? lit : st.StoredOffColor;
      const int16_t a = core::Narrow16(bar.a), b = core::Narrow16(bar.b), c = core::Narrow16(bar.c),
                    d = core::Narrow16(bar.d);
      if (bar.part == Part::Diagonal)
        DrawSegmentDiagonal(lines, a, b, c, d, bar.rising, color);
      else
        kStraight[static_cast<size_t>(bar.part)](lines, a, b, c, color);
    }
    DrawCellMarks(lines, g, MarksOf(cell), left, top, lit, st.StoredOffColor);
  });
}

}  // namespace led::render
