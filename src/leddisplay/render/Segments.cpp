#include "leddisplay/render/Segments.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/render/DigitRow.h"
#include "leddisplay/render/Slant.h"

namespace led::render {

namespace {

using core::Add16;
using core::Sub16;

void Line(LineBatch& lines, double x1, double y1, double x2, double y2, core::OleColor color) {
  lines.Add(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
            static_cast<float>(y2), color);
}

// A line between whole pixels (every 16-bit value is exact in single precision).
void PixelLine(LineBatch& lines, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
               core::OleColor color) {
  lines.Add(x1, y1, x2, y2, color);
}

// An upright bar that leans: the pixels of its lines (line i in column x + i * step,
// from y1 + i to y2 - i, as drawn upright) as one line per pixel row, top to bottom, so
// that the batch's shear moves each row whole. A row of a bar thicker than half its
// length (its lines reversed) may hold two runs: each is a line.
void LeaningBar(LineBatch& lines, int16_t x, int step, int16_t y1, int16_t y2,
                core::OleColor color) {
  const int width = lines.Lengths().segmentWidth;
  if (width <= 0) return;
  const int length = y2 - y1;
  const int top = std::min(int{y1}, y2 - (width - 1));
  const int bottom = std::max(int{y2}, y1 + (width - 1));
  // Line i covers row y when |2y - y1 - y2| <= |length - 2i|: i up to (length - a) / 2,
  // or from (length + a) / 2 on.
  for (int y = top; y <= bottom; ++y) {
    const int a = std::abs(2 * y - y1 - y2);
    const auto run = [&](int first, int last) {
      first = std::max(first, 0);
      last = std::min(last, width - 1);
      if (first > last) return;
      const int16_t row = core::Narrow16(y);
      PixelLine(lines, Add16(x, first * step), row, Add16(x, last * step), row, color);
    };
    const int inner = length - a >= 0 ? (length - a) / 2 : -1;
    const int outer = (length + a + 1) / 2;
    if (outer <= inner + 1) {
      run(0, width - 1);
    } else {
      run(0, inner);
      run(outer, width - 1);
    }
  }
}

// One stroke of the sign mark: a single line, or three side by side (offsets -1, 0, +1
// across the stroke) when the stored segments are thicker than one pixel; under a zoom,
// that many lines times the zoom (ZoomLength), side by side around the same centre, so
// that the sign is as much thicker as the digits are. Zoom 1 draws the lines above.
struct StrokeOffsets {
  int first, last;
};
StrokeOffsets SignStrokeOffsets(const LineBatch& lines) {
  const int lineCount = ZoomLength(lines.State().StoredSegmentWidth > 1 ? 3 : 1, lines.Zoom());
  const int first = -((lineCount - 1) / 2);
  return {first, first + lineCount - 1};
}
template <class DrawAt>
void SignStroke(const LineBatch& lines, DrawAt drawAt) {
  const auto [first, last] = SignStrokeOffsets(lines);
  for (int d = first; d <= last; ++d) drawAt(d);
}

// The sign mark's three strokes: minus, plus bar, plus stem.
void DrawSignLines(LineBatch& lines, int16_t top, core::OleColor lit) {
  const model::ControlState& s = lines.State();
  const Geometry& g = lines.Lengths();
  const double height = g.digitHeight;
  const double left = g.digitLeftMargin;
  const double right = left + 0.75 * g.digitWidth;
  const bool negative = s.StoredValue < 0;
  const core::OleColor minusColor = negative ? lit : s.StoredOffColor;
  const core::OleColor plusColor = negative ? s.StoredOffColor : lit;

  const double minusY = top + (height / 2 + height / 4);
  SignStroke(lines, [&](int d) { Line(lines, left, minusY + d, right, minusY + d, minusColor); });

  const double plusY = top + (height / 2 - height / 4);
  SignStroke(lines, [&](int d) { Line(lines, left, plusY + d, right, plusY + d, plusColor); });

  const int16_t stemX = Add16(g.digitLeftMargin, core::Round16(g.digitWidth * 0.75 * 0.5));
  const int16_t stemTop = Add16(top, 2);
  const double stemBottom = top + height / 2;
  if (lines.Slanted()) {
    // One line per row, as a leaning bar is drawn; the last row is the one the raster
    // rounds the stem's bottom end to (halves down the page).
    const auto [first, last] = SignStrokeOffsets(lines);
    const int16_t left = Add16(stemX, first);
    const int16_t right = Add16(stemX, last);
    const double end = std::floor(stemBottom + 0.5);
    for (double y = stemTop; y <= end; ++y) Line(lines, left, y, right, y, plusColor);
    return;
  }
  SignStroke(lines, [&](int d) {
    const int16_t x = Add16(stemX, d);
    Line(lines, x, stemTop, x, stemBottom, plusColor);
  });
}

}  // namespace

void DrawSegmentTop(LineBatch& lines, int16_t x1, int16_t x2, int16_t y, core::OleColor color) {
  for (int16_t i = 0; i < lines.Lengths().segmentWidth; ++i) {
    const int16_t row = Add16(y, i);
    PixelLine(lines, Add16(x1, i), row, Sub16(x2, i), row, color);
  }
}

void DrawSegmentBottom(LineBatch& lines, int16_t x1, int16_t x2, int16_t y, core::OleColor color) {
  if (lines.Slanted()) {  // top to bottom (see the header)
    for (int16_t i = Sub16(lines.Lengths().segmentWidth, 1); i >= 0; --i) {
      const int16_t row = Sub16(y, i);
      PixelLine(lines, Add16(x1, i), row, Sub16(x2, i), row, color);
    }
    return;
  }
  for (int16_t i = 0; i < lines.Lengths().segmentWidth; ++i) {
    const int16_t row = Sub16(y, i);
    PixelLine(lines, Add16(x1, i), row, Sub16(x2, i), row, color);
  }
}

void DrawSegmentLeft(LineBatch& lines, int16_t x, int16_t y1, int16_t y2, core::OleColor color) {
  if (lines.Slanted()) return LeaningBar(lines, x, 1, y1, y2, color);
  for (int16_t i = 0; i < lines.Lengths().segmentWidth; ++i) {
    const int16_t column = Add16(x, i);
    PixelLine(lines, column, Add16(y1, i), column, Sub16(y2, i), color);
  }
}

void DrawSegmentRight(LineBatch& lines, int16_t x, int16_t y1, int16_t y2, core::OleColor color) {
  if (lines.Slanted()) return LeaningBar(lines, x, -1, y1, y2, color);
  for (int16_t i = 0; i < lines.Lengths().segmentWidth; ++i) {
    const int16_t column = Sub16(x, i);
    PixelLine(lines, column, Add16(y1, i), column, Sub16(y2, i), color);
  }
}

void DrawSegmentMiddle(LineBatch& lines, int16_t x1, int16_t x2, int16_t y, core::OleColor color) {
  const int16_t width = lines.Lengths().segmentWidth;
  const int16_t k = width > 1 ? width / 2 : 0;
  if (lines.Slanted()) {  // top to bottom (see the header)
    for (int16_t i = -k; i <= k; ++i) {
      const int16_t inset = static_cast<int16_t>(i < 0 ? -i : i);
      PixelLine(lines, Add16(x1, inset), Add16(y, i), Sub16(x2, inset), Add16(y, i), color);
    }
    return;
  }
  PixelLine(lines, x1, y, x2, y, color);
  for (int16_t i = 1; i <= k; ++i) {
    const int16_t row = Sub16(y, i);
    PixelLine(lines, Add16(x1, i), row, Sub16(x2, i), row, color);
  }
  for (int16_t i = 1; i <= k; ++i) {
    const int16_t row = Add16(y, i);
    PixelLine(lines, Add16(x1, i), row, Sub16(x2, i), row, color);
  }
}

void DrawSegmentCentre(LineBatch& lines, int16_t x, int16_t y1, int16_t y2, core::OleColor color) {
  const int16_t width = lines.Lengths().segmentWidth;
  const int16_t k = width > 1 ? width / 2 : 0;
  if (lines.Slanted()) {  // top to bottom (see the header)
    for (int y = y1; y <= y2; ++y) {
      const int reach = std::min({int{k}, y - y1, y2 - y});
      if (reach < 0) continue;
      const int16_t row = core::Narrow16(y);
      PixelLine(lines, Sub16(x, reach), row, Add16(x, reach), row, color);
    }
    return;
  }
  PixelLine(lines, x, y1, x, y2, color);
  for (int16_t i = 1; i <= k; ++i) {
    const int16_t column = Sub16(x, i);
    PixelLine(lines, column, Add16(y1, i), column, Sub16(y2, i), color);
  }
  for (int16_t i = 1; i <= k; ++i) {
    const int16_t column = Add16(x, i);
    PixelLine(lines, column, Add16(y1, i), column, Sub16(y2, i), color);
  }
}

void DrawSegmentDiagonal(LineBatch& lines, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
                         bool rising, core::OleColor color) {
  const double width = lines.Lengths().segmentWidth;
  if (width <= 0 || x2 < x1 || y2 < y1) return;
  // The box's edges; the band's centre line runs corner to corner.
  const double left = x1, right = x2 + 1.0, top = y1, bottom = y2 + 1.0;
  const double run = right - left, fall = bottom - top;
  const double half = width / 2 * std::hypot(run, fall) / fall;  // across a row
  for (int16_t y = y1; y <= y2; y = Add16(y, 1)) {
    const double along = (y + 0.5 - top) / fall;
    const double centre = left + (rising ? 1 - along : along) * run;
    const double from = std::max(centre - half, left), to = std::min(centre + half, right);
    // The pixels whose centres lie within [from, to), when there are any: the raster
    // rounds a line's ends halves up, so a line from `from` to `to` - 1 paints them.
    if (std::floor(from + 0.5) <= std::floor(to - 0.5)) Line(lines, from, y, to - 1, y, color);
    if (y == y2) break;
  }
}

void DrawDecimalPoint(LineBatch& lines, int16_t x1, int16_t y, int16_t x2, core::OleColor color) {
  if (lines.Slanted()) {  // top to bottom (see the header)
    for (int16_t i = Sub16(lines.Lengths().decimalPointSize, 1); i >= 0; --i) {
      const int16_t row = Sub16(y, i);
      PixelLine(lines, x1, row, x2, row, color);
    }
    return;
  }
  for (int16_t i = 0; i < lines.Lengths().decimalPointSize; ++i) {
    const int16_t row = Sub16(y, i);
    PixelLine(lines, x1, row, x2, row, color);
  }
}

void DrawPlusMinusSign(Display& display) {
  const Geometry lengths = GeometryOf(display);
  DrawPlusMinusSign(display, lengths, DigitTop(display, lengths), 0, display.state.StoredOnColor);
}

void DrawPlusMinusSign(Display& display, const Geometry& lengths, int16_t top, size_t index,
                       core::OleColor lit) {
  const model::ControlState& s = display.state;
  const CellCache::CellInputs inputs{.cell = {.Character = '+'},
                                     .left = lengths.digitLeftMargin,
                                     .top = top,
                                     .lengths = lengths,
                                     .onColor = lit,
                                     .offColor = s.StoredOffColor,
                                     .negative = (s.StoredValue < 0),
                                     .thick = (s.StoredSegmentWidth > 1),
                                     .zoom = display.zoom,
                                     .shear = ShearFactor(s)};
  DrawCellLines(display, lengths, index, inputs,
                [&](LineBatch& lines) { DrawSignLines(lines, top, lit); });
}

}  // namespace led::render
