#pragma once
/// @file
/// The standard font object: name, size in points x 10000, bold, italic, underline,
/// strikethrough, weight (0..1000) and character set (0..255). Booleans are kept as
/// True (-1) or False (0). Setting Bold sets Weight to 700 or 400; setting Weight sets
/// Bold to True from 600 up. A refused value (empty or non-UTF-8 name, size not above 0 or above
/// 2048 pt, weight or charset out of range) raises 380 and changes nothing.
#include <cstdint>
#include <memory>
#include <string>

#include "leddisplay/host/Font.h"

namespace led::platform {

/// The platform's font object, with the checks the file comment lists.
class StdFont : public host::Font {
 public:
  /// The first font: DejaVu Sans, 8 pt, regular.
  StdFont() = default;

  /// A new font of that family and size (points, rounded to four decimals).
  static host::FontPtr Create(std::string name, double points);
  /// A new font with every attribute of `font`.
  static std::shared_ptr<StdFont> CopyOf(const host::Font& font);
  /// Whether all eight attributes are equal.
  static bool SameAttributes(const host::Font& a, const host::Font& b);

  std::string Name() const override { return name_; }
  void SetName(const std::string& name) override;
  int64_t Size() const override { return size_; }
  void SetSize(int64_t size) override;
  core::Boolean Bold() const override { return bold_; }
  void SetBold(core::Boolean bold) override;
  core::Boolean Italic() const override { return italic_; }
  void SetItalic(core::Boolean italic) override;
  core::Boolean Underline() const override { return underline_; }
  void SetUnderline(core::Boolean underline) override;
  core::Boolean Strikethrough() const override { return strikethrough_; }
  void SetStrikethrough(core::Boolean strikethrough) override;
  int16_t Weight() const override { return weight_; }
  void SetWeight(int16_t weight) override;
  int16_t Charset() const override { return charset_; }
  void SetCharset(int16_t charset) override;

  /// The size in points.
  double Points() const { return static_cast<double>(size_) / 10000.0; }

  /// The largest size: 2048 pt.
  static constexpr int64_t kMaxSize = 2048 * 10000;

 private:
  std::string name_ = "DejaVu Sans";
  int64_t size_ = 80000;
  core::Boolean bold_ = core::kFalse;
  core::Boolean italic_ = core::kFalse;
  core::Boolean underline_ = core::kFalse;
  core::Boolean strikethrough_ = core::kFalse;
  int16_t weight_ = 400;
  int16_t charset_ = 0;
};

}  // namespace led::platform
