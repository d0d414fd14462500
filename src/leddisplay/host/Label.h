#pragma once
/// @file
/// A caption label on the surface: transparent, sized to its text. Sizes and places
/// are in the surface's current scale. Alignment outside 0..2 is refused with 380.
#include <cstdint>
#include <string>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/host/Font.h"

namespace led::host {

/// A caption label the control places above or below its digits.
class Label {
 public:
  virtual ~Label() = default;

  /// The text shown.
  ///@{
  virtual std::string Caption() = 0;
  /// Whether Caption() has any text; a host that keeps the text answers without copying it.
  virtual bool HasCaption() { return !Caption().empty(); }
  virtual void SetCaption(const std::string& caption) = 0;
  ///@}
  /// The text colour (an OLE colour; system colours allowed).
  ///@{
  virtual core::OleColor ForeColor() = 0;
  virtual void SetForeColor(core::OleColor color) = 0;
  ///@}
  /// 0 left, 1 right, 2 centre.
  ///@{
  virtual int16_t Alignment() = 0;
  virtual void SetAlignment(int16_t alignment) = 0;
  ///@}
  /// The label shares the font object it is given.
  ///@{
  virtual FontPtr Font() = 0;
  virtual void SetFont(FontPtr font) = 0;
  ///@}
  virtual float Width() = 0;   ///< The label's size, set by its text.
  virtual float Height() = 0;  ///< The label's size, set by its text.
  /// The label's place on the surface.
  ///@{
  virtual float Left() = 0;
  virtual void SetLeft(float left) = 0;
  virtual float Top() = 0;
  virtual void SetTop(float top) = 0;
  ///@}
};

}  // namespace led::host
