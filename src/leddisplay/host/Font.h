#pragma once
/// @file
/// A font object shared by reference between the control, its labels and the host.
/// Size is a fixed-point number with four decimals (points x 10000). Setting Bold
/// sets Weight to 700 (bold) or 400 (normal).
#include <cstdint>
#include <memory>
#include <string>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/Object.h"

namespace led::host {

/// A font object: a typeface and its attributes, shared by reference.
class Font : public core::Object {
 public:
  /// The typeface's family name.
  ///@{
  virtual std::string Name() const = 0;
  virtual void SetName(const std::string& name) = 0;
  ///@}
  /// Points times 10000 (12.5 pt is 125000).
  ///@{
  virtual int64_t Size() const = 0;
  virtual void SetSize(int64_t size) = 0;
  ///@}
  /// Bold, as a 16-bit Boolean.
  ///@{
  virtual core::Boolean Bold() const = 0;
  virtual void SetBold(core::Boolean bold) = 0;
  ///@}
  /// Italic, as a 16-bit Boolean.
  ///@{
  virtual core::Boolean Italic() const = 0;
  virtual void SetItalic(core::Boolean italic) = 0;
  ///@}
  /// Underlined, as a 16-bit Boolean.
  ///@{
  virtual core::Boolean Underline() const = 0;
  virtual void SetUnderline(core::Boolean underline) = 0;
  ///@}
  /// Struck through, as a 16-bit Boolean.
  ///@{
  virtual core::Boolean Strikethrough() const = 0;
  virtual void SetStrikethrough(core::Boolean strikethrough) = 0;
  ///@}
  /// The weight (400 regular, 700 bold).
  ///@{
  virtual int16_t Weight() const = 0;
  virtual void SetWeight(int16_t weight) = 0;
  ///@}
  /// The character set number.
  ///@{
  virtual int16_t Charset() const = 0;
  virtual void SetCharset(int16_t charset) = 0;
  ///@}
};

/// Fonts are shared: a label holds the font object it is given.
using FontPtr = std::shared_ptr<Font>;

}  // namespace led::host
