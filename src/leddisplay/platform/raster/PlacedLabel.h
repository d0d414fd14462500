#pragma once
/// @file
/// What every caption label of a host keeps: caption, ForeColor, Alignment, font and a
/// place held in pixels of the surface's inner area. Left, Top, Width and Height are
/// reported and taken in the surface's current scale (through Surface::ScaleX/ScaleY);
/// a place that does not convert to finite pixels raises 380 and changes nothing.
/// Alignment outside 0..2 raises 380, a null font 91. It starts with DejaVu Sans 8 pt,
/// ForeColor black (0), Alignment 0 and the place (0, 0). A host supplies the text's
/// size in pixels and may hear of every change (to repaint).
#include <cstdint>
#include <string>

#include "leddisplay/host/Label.h"
#include "leddisplay/host/Surface.h"

namespace led::platform {

/// A label's properties and its place on a surface, kept in the surface's pixels;
/// a host measures and draws the text.
class PlacedLabel : public host::Label {
 public:
  /// `surface` must outlive the label.
  PlacedLabel(host::Surface& surface, std::string caption);

  std::string Caption() override { return caption_; }
  bool HasCaption() override { return !caption_.empty(); }
  void SetCaption(const std::string& caption) override;
  core::OleColor ForeColor() override { return foreColor_; }
  void SetForeColor(core::OleColor color) override;
  int16_t Alignment() override { return alignment_; }
  void SetAlignment(int16_t alignment) override;
  host::FontPtr Font() override { return font_; }
  void SetFont(host::FontPtr font) override;
  float Width() override;
  float Height() override;
  float Left() override;
  void SetLeft(float left) override;
  float Top() override;
  void SetTop(float top) override;

  /// The text's size, measured by the host, and the place, in pixels of the surface.
  ///@{
  virtual int32_t PixelWidth() = 0;
  virtual int32_t PixelHeight() = 0;
  ///@}
  float PixelLeft() const { return leftPx_; }  ///< The label's left edge in pixels of the surface.
  float PixelTop() const { return topPx_; }    ///< The label's top edge in pixels of the surface.
  /// A count that advances with every change of what the label shows or where (not
  /// with a change made to its shared font object from outside): a host that kept a
  /// drawing of it sees whether to draw it anew.
  uint64_t Generation() const { return generation_; }

  /// The text drawn `scale` times its font's size (a host's fit zoom over its device
  /// ratio: the captions grow with the digits), its box each side as measured unscaled
  /// times the scale, rounded up (ScaledLength: so that two hosts whose measures agree
  /// unscaled agree scaled); finite and above 0, else 380 and nothing changes. Starts
  /// at 1.
  ///@{
  double Scale() const { return scale_; }
  void SetScale(double scale);
  int32_t ScaledLength(int32_t unscaled) const;
  ///@}

 protected:
  /// Called after every change of what the label shows or where (and its scale).
  virtual void Changed() {}

  host::Surface& surface_;        ///< the surface the label is placed on
  std::string caption_;           ///< the text shown
  core::OleColor foreColor_ = 0;  ///< the text colour, as set
  int16_t alignment_ = 0;         ///< 0 left, 1 right, 2 centre
  host::FontPtr font_;            ///< the shared font object
  float leftPx_ = 0;              ///< place in pixels
  float topPx_ = 0;               ///< place in pixels
  double scale_ = 1;              ///< the text's size over its font's

 private:
  /// Counts the change, then tells the host (Changed).
  void Touched();
  uint64_t generation_ = 0;
};

}  // namespace led::platform
