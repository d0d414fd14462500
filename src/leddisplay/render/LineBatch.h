// Internal: not installed.
#pragma once
// The lines of one cell, gathered in a fixed buffer and handed to the surface's Lines in
// one call: a cell costs one call of the host rather than one per line, and no heap.
// A full buffer is handed over before the next line is added, so any number of lines
// keeps its order. DrawLines draws what a step gathered as if each line had been drawn
// when it was gathered: when the step raises (a coordinate leaving 16 bits), the lines
// gathered before are drawn first and then its error passes on, unless drawing them
// fails first, as that failure would have come first.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "leddisplay/host/Surface.h"
#include "leddisplay/render/CellCache.h"
#include "leddisplay/render/Display.h"
#include "leddisplay/render/Geometry.h"
#include "leddisplay/render/Slant.h"

namespace led::render {

class LineBatch {
 public:
  static constexpr size_t kCapacity = 128;

  // `lengths` is the display's geometry (GeometryOf), worked out once by the caller;
  // every line added is moved by `shear` (Slant.h).
  LineBatch(Display& display, const Geometry& lengths, Shear shear = {})
      : display_(display), lengths_(lengths), shear_(shear) {}
  LineBatch(const LineBatch&) = delete;
  LineBatch& operator=(const LineBatch&) = delete;

  const model::ControlState& State() const { return display_.state; }
  const Geometry& Lengths() const { return lengths_; }
  double Zoom() const { return display_.zoom; }
  bool Slanted() const { return shear_.factor != 0; }

  // Every line added from now on is also appended to `copy`.
  void CopyInto(std::vector<host::LineCall>& copy) { copy_ = &copy; }

  void Add(float x1, float y1, float x2, float y2, core::OleColor color) {
    if (count_ == kCapacity) Draw();
    if (Slanted()) [[unlikely]] {
      x1 = static_cast<float>(x1 + shear_.At(y1));
      x2 = static_cast<float>(x2 + shear_.At(y2));
    }
    lines_[count_++] = {x1, y1, x2, y2, color};
    if (copy_ != nullptr) copy_->push_back(lines_[count_ - 1]);
  }
  // Hands the gathered lines to the surface (its errors pass on) and empties the batch.
  void Draw() {
    const size_t n = count_;
    count_ = 0;
    if (n > 0) display_.host.surface.Lines(std::span(lines_.data(), n));
  }

 private:
  Display& display_;
  const Geometry& lengths_;
  Shear shear_;
  size_t count_ = 0;
  std::array<host::LineCall, kCapacity> lines_;  // the first count_ are gathered
  std::vector<host::LineCall>* copy_ = nullptr;
};

// Hands `lines` to the display's surface as a LineBatch that gathered them would: in
// calls of at most kCapacity lines, so the surface sees the same calls.
inline void DrawGathered(Display& display, std::span<const host::LineCall> lines) {
  for (size_t at = 0; at < lines.size(); at += LineBatch::kCapacity)
    display.host.surface.Lines(
        lines.subspan(at, std::min(LineBatch::kCapacity, lines.size() - at)));
}

// `copy`, when given, receives every line gathered.
template <class Gather>
void DrawLines(Display& display, const Geometry& lengths, Shear shear, Gather&& gather,
               std::vector<host::LineCall>* copy = nullptr) {
  LineBatch batch(display, lengths, shear);
  if (copy != nullptr) batch.CopyInto(*copy);
  try {
    gather(batch);
  } catch (...) {
    batch.Draw();
    throw;
  }
  batch.Draw();
}

// DrawLines for the index-th cell of the row, drawn from `inputs` (leaning by its shear
// factor over the digits' bottom edge, inputs.top + the digit height): a display that
// keeps cells (Display::cells) keeps the lines there, and a cell drawn again from the
// same inputs hands the surface the kept lines in the same calls, gathering nothing.
template <class Gather>
void DrawCellLines(Display& display, const Geometry& lengths, size_t index,
                   const CellCache::CellInputs& inputs, Gather&& gather) {
  const Shear shear{.factor = inputs.shear,
                    .base = static_cast<double>(inputs.top + lengths.digitHeight)};
  if (display.cells == nullptr)
    return DrawLines(display, lengths, shear, std::forward<Gather>(gather));
  if (const auto* kept = display.cells->KeptLines(index, inputs))
    return DrawGathered(display, *kept);
  DrawLines(display, lengths, shear, std::forward<Gather>(gather),
            &display.cells->StartLines(index));
  display.cells->KeepLines(index, inputs);
}

// The same with the display's geometry worked out here.
template <class Gather>
void DrawLines(Display& display, Gather&& gather, Shear shear = {}) {
  const Geometry lengths = GeometryOf(display);
  DrawLines(display, lengths, shear, std::forward<Gather>(gather));
}

}  // namespace led::render
