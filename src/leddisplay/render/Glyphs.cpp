// Sections: the glyph table; the cell geometry table; evaluating and drawing a cell.
#include "leddisplay/render/Glyphs.h"

#include <algorithm>
#include <array>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/render/LineBatch.h"
#include "leddisplay/render/Segments.h"
#include "leddisplay/render/Slant.h"

namespace led::render {

namespace {

// --- Glyph table -------------------------------------------------------------------

// How a segment of a glyph is coloured: lit, unlit, or as the cell's zero (lit when
// its ZeroLit is set).
enum class Lamp : uint8_t { Off, On, Zero };

// The segments of a cell, in drawing order.
constexpr int kSegments = 7;  // a, f, b, g, e, c, d

struct Glyph {
  char character;
  std::array<Lamp, kSegments> lamps;  // a, f, b, g, e, c, d
};

constexpr Lamp o = Lamp::Off;
constexpr Lamp I = Lamp::On;
constexpr Lamp z = Lamp::Zero;

//                             a  f  b  g  e  c  d
constexpr Glyph kGlyphs[] = {
    {'0', {z, z, z, o, z, z, z}},
    {'1', {o, o, I, o, o, I, o}},
    {'2', {I, o, I, I, I, o, I}},
    {'3', {I, o, I, I, o, I, I}},
    {'4', {o, I, I, I, o, I, o}},
    {'5', {I, I, o, I, o, I, I}},
    {'6', {o, I, o, I, I, I, I}},  // no top bar
    {'7', {I, o, I, o, o, I, o}},
    {'8', {I, I, I, I, I, I, I}},
    {'9', {I, I, I, I, o, I, o}},  // no bottom bar
    {'O', {I, I, I, o, I, I, I}},
    {'R', {I, I, I, I, I, I, o}},  // the shape of a capital A
    // Text. "R" above belongs to the over-range mark: a text's "R" shows "r".
    {'A', {I, I, I, I, I, I, o}},
    {'b', {o, I, o, I, I, I, I}},
    {'C', {I, I, o, o, I, o, I}},
    {'c', {o, o, o, I, I, o, I}},
    {'d', {o, o, I, I, I, I, I}},
    {'E', {I, I, o, I, I, o, I}},
    {'F', {I, I, o, I, I, o, o}},
    {'G', {I, I, o, o, I, I, I}},
    {'H', {o, I, I, I, I, I, o}},
    {'h', {o, I, o, I, I, I, o}},
    {'I', {o, I, o, o, I, o, o}},
    {'J', {o, o, I, o, I, I, I}},
    {'L', {o, I, o, o, I, o, I}},
    {'n', {o, o, o, I, I, I, o}},
    {'o', {o, o, o, I, I, I, I}},
    {'P', {I, I, I, I, I, o, o}},
    {'q', {I, I, I, I, o, I, o}},
    {'r', {o, o, o, I, I, o, o}},
    {'S', {I, I, o, I, o, I, I}},
    {'t', {o, I, o, I, I, o, I}},
    {'U', {o, I, I, o, I, I, I}},
    {'u', {o, o, o, o, I, I, I}},
    {'y', {o, I, I, I, o, I, I}},
    {'-', {o, o, o, I, o, o, o}},
    {'_', {o, o, o, o, o, o, I}},
    {'=', {o, o, o, I, o, o, I}},
    {kDegreeGlyph, {I, I, I, I, o, o, o}},
    {' ', {o, o, o, o, o, o, o}}};

const Glyph* FindGlyph(char character) {
  for (const Glyph& glyph : kGlyphs)
    if (glyph.character == character) return &glyph;
  return nullptr;
}

// --- Cell geometry table -----------------------------------------------------------

// The quantities a coordinate is built from.
enum class Sym : uint8_t {
  X,          // left edge of the cell
  Y,          // top edge of the cell
  W,          // DigitWidth
  H,          // DigitHeight
  Half,       // DigitHeight \ 2
  Sep,        // SegmentSeperation
  TwoSep,     // 2 * SegmentSeperation
  PointSize,  // DecimalPointSize
  One,
  Four,
};

struct Term {
  Sym sym;
  int8_t sign;  // +1 or -1; 0 for the end marker, which pads an expression to four terms
};

// A coordinate: a sum of terms evaluated left to right in 16-bit arithmetic, so a
// partial sum that leaves the range overflows even when the total would fit.
using Expr = std::array<Term, 4>;

enum class Primitive : uint8_t { Top, Left, Right, Middle, Bottom, Point };

struct Placement {
  Primitive primitive;
  std::array<Expr, 3> args;  // in the primitive's own argument order
};

constexpr int8_t P = 1;
constexpr int8_t M = -1;
constexpr Term kEnd{Sym::One, 0};

// Terms named for the table below.
constexpr Term x{Sym::X, P}, y{Sym::Y, P}, W{Sym::W, P}, H{Sym::H, P}, h{Sym::Half, P};
constexpr Term s{Sym::Sep, P}, s2{Sym::TwoSep, P}, p{Sym::PointSize, P};
constexpr Term minusS{Sym::Sep, M}, plus1{Sym::One, P}, minus1{Sym::One, M}, plus4{Sym::Four, P};

constexpr Expr E(Term a, Term b = kEnd, Term c = kEnd, Term d = kEnd) {
  return {a, b, c, d};
}

// Segments a, f, b, g, e, c, d, then the decimal point. The right-hand bars reach one
// pixel further up and down than the left-hand ones; the point sits in the spacing gap,
// 4 pixels right of the cell and 2 * SegmentSeperation below its bottom edge.
constexpr Placement kCell[kSegments] = {
    {Primitive::Top, {E(x), E(W, x), E(y)}},                                    // a
    {Primitive::Left, {E(x), E(s, y), E(h, y, minusS)}},                        // f
    {Primitive::Right, {E(W, x), E(y, minus1, s), E(y, plus1, h, minusS)}},     // b
    {Primitive::Middle, {E(x), E(W, x), E(h, y)}},                              // g
    {Primitive::Left, {E(x), E(h, y, s), E(H, y, minusS)}},                     // e
    {Primitive::Right, {E(W, x), E(y, minus1, h, s), E(y, plus1, H, minusS)}},  // c
    {Primitive::Bottom, {E(x), E(W, x), E(H, y)}},                              // d
};
constexpr Placement kPoint = {Primitive::Point, {E(W, x, plus4), E(H, y, s2), E(W, x, plus4, p)}};

// --- Evaluating and drawing ---------------------------------------------------------

constexpr size_t kSymCount = static_cast<size_t>(Sym::Four) + 1;

// The quantities of one cell, looked up once rather than once per term. They are kept
// wide: 2 * SegmentSeperation may leave 16 bits, and raises only when a coordinate
// uses it, as the point's does.
struct CellFrame {
  std::array<int32_t, kSymCount> values;
  bool small;  // every value within +-8191: no sum of four can leave 16 bits
};

CellFrame FrameOf(const Geometry& g, int16_t x, int16_t y, int16_t half) {
  CellFrame frame{};
  const auto set = [&](Sym sym, int32_t value) { frame.values[static_cast<size_t>(sym)] = value; };
  set(Sym::X, x);
  set(Sym::Y, y);
  set(Sym::W, g.digitWidth);
  set(Sym::H, g.digitHeight);
  set(Sym::Half, half);
  set(Sym::Sep, g.segmentSeperation);
  set(Sym::TwoSep, 2 * int32_t{g.segmentSeperation});
  set(Sym::PointSize, g.decimalPointSize);
  set(Sym::One, 1);
  set(Sym::Four, 4);
  frame.small =
      std::ranges::all_of(frame.values, [](int32_t v) { return v >= -8191 && v <= 8191; });
  return frame;
}

// Every value a coordinate uses and every partial sum must fit 16 bits (6 otherwise).
// The end marker's sign 0 adds nothing, so every expression takes the same four steps.
// A frame whose values are all small cannot overflow in four terms and is not checked.
int16_t Evaluate(const CellFrame& frame, const Expr& expr) {
  const auto value = [&](size_t i) { return frame.values[static_cast<size_t>(expr[i].sym)]; };
  const int32_t v0 = value(0), v1 = value(1), v2 = value(2), v3 = value(3);
  const int32_t s1 = v0 + expr[1].sign * v1, s2 = s1 + expr[2].sign * v2;
  const int32_t total = s2 + expr[3].sign * v3;
  if (!frame.small) {
    const auto fits = [](int32_t v) { return uint32_t(v + 32768) <= 0xFFFFu; };
    if (!(fits(v0) && fits(v1) && fits(v2) && fits(v3) && fits(s1) && fits(s2) && fits(total)))
      throw core::RuntimeError(core::kOverflow);
  }
  return static_cast<int16_t>(total);
}

void Draw(LineBatch& d, const CellFrame& frame, const Placement& placement, core::OleColor color) {
  // All three coordinates are computed before the first line is drawn.
  const int16_t a = Evaluate(frame, placement.args[0]);
  const int16_t b = Evaluate(frame, placement.args[1]);
  const int16_t c = Evaluate(frame, placement.args[2]);
  switch (placement.primitive) {
    case Primitive::Top:
      return DrawSegmentTop(d, a, b, c, color);
    case Primitive::Left:
      return DrawSegmentLeft(d, a, b, c, color);
    case Primitive::Right:
      return DrawSegmentRight(d, a, b, c, color);
    case Primitive::Middle:
      return DrawSegmentMiddle(d, a, b, c, color);
    case Primitive::Bottom:
      return DrawSegmentBottom(d, a, b, c, color);
    case Primitive::Point:
      return DrawDecimalPoint(d, a, b, c, color);
  }
}

}  // namespace

bool HasGlyph(char character) {
  return FindGlyph(character) != nullptr;
}

char SevenSegmentCharacter(int32_t mask) {
  constexpr int kBitOf[kSegments] = {0, 5, 1, 6, 4, 2, 3};  // a f b g e c d
  for (const char c : kTextGlyphs) {
    const Glyph* glyph = FindGlyph(c);
    int32_t lit = 0;
    for (int i = 0; i < kSegments; ++i)
      if (glyph->lamps[i] != Lamp::Off) lit |= 1 << kBitOf[i];
    if (lit == (mask & 0x7F)) return c;
  }
  return '?';
}

char TextGlyph(char32_t c) {
  if (c == U'\u00B0') return kDegreeGlyph;
  if (c > 0x7F) return ' ';
  const auto in = [](char32_t k) { return kTextGlyphs.find(char(k)) != std::string_view::npos; };
  if (in(c)) return char(c);
  const char32_t other = (c >= U'a' && c <= U'z') ? c - 32 : (c >= U'A' && c <= U'Z') ? c + 32 : c;
  return in(other) ? char(other) : ' ';
}

void DrawGlyphCell(Display& display, const Geometry& lengths, const DisplayCell& cell, int16_t left,
                   int16_t top, int16_t halfHeight, size_t index, core::OleColor lit) {
  const Glyph* glyph = FindGlyph(cell.Character);
  const bool byHand = cell.Segments >= 0;
  if (glyph == nullptr && !byHand) return;
  const model::ControlState& st = display.state;
  const CellCache::CellInputs inputs =
      GlyphInputs(display, lengths, cell, left, top, halfHeight, lit);
  DrawCellLines(display, lengths, index, inputs, [&](LineBatch& lines) {
    const CellFrame frame = FrameOf(lengths, left, top, halfHeight);
    // A mask set by hand holds a, b, c, d, e, f, g from bit 0: their bits in drawing order.
    constexpr int kBitOf[kSegments] = {0, 5, 1, 6, 4, 2, 3};
    for (int i = 0; i < kSegments; ++i) {
      bool on = false;
      if (byHand) {
        on = ((cell.Segments >> kBitOf[i]) & 1) != 0;
      } else {
        const Lamp lamp = glyph->lamps[i];
        on = lamp == Lamp::On || (lamp == Lamp::Zero && cell.ZeroLit);
      }
      Draw(lines, frame, kCell[i], on ? lit : st.StoredOffColor);
    }
    DrawCellMarks(lines, lengths, MarksOf(cell), left, top, lit, st.StoredOffColor);
  });
}

CellCache::CellInputs GlyphInputs(const Display& display, const Geometry& lengths,
                                  const DisplayCell& cell, int16_t left, int16_t top,
                                  int16_t halfHeight, core::OleColor lit) {
  const model::ControlState& st = display.state;
  return {.cell = cell,
          .left = left,
          .top = top,
          .halfHeight = halfHeight,
          .lengths = lengths,
          .onColor = lit,
          .offColor = st.StoredOffColor,
          .zoom = display.zoom,
          .shear = ShearFactor(st),
          .style = st.Extended.SegmentStyle};
}

DisplayCell MarksOf(const DisplayCell& cell) {
  if (cell.Segments < 0) return cell;
  DisplayCell marks = cell;
  marks.Point = (cell.Segments & model::kPointSegment) != 0 ? PointState::Lit : PointState::None;
  return marks;
}

void DrawCellMarks(LineBatch& lines, const Geometry& g, const DisplayCell& cell, int16_t left,
                   int16_t top, core::OleColor lit, core::OleColor off) {
  if (cell.Point != PointState::None) {
    const CellFrame frame = FrameOf(g, left, top, 0);
    Draw(lines, frame, kPoint, cell.Point == PointState::Lit ? lit : off);
  }
  if (!cell.Colon) return;
  const int16_t x1 = core::Add16(core::Add16(left, g.digitWidth), 4);
  const int16_t x2 = core::Add16(x1, g.decimalPointSize);
  for (const int third : {1, 2}) {
    const int16_t centre = core::Add16(top, int32_t{g.digitHeight} * third / 3);
    DrawDecimalPoint(lines, x1, core::Add16(centre, g.decimalPointSize / 2), x2, lit);
  }
}

}  // namespace led::render
