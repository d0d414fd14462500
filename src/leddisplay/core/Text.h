// Internal: not installed.
#pragma once
// Text helpers: names compared the way the control's hosts compare them (without
// regard to ASCII letter case, independent of the process locale), blank trimming,
// and UTF-8 checking and decoding. Well-formed UTF-8 has no overlong forms, no
// surrogates and no code points above U+10FFFF.
#include <cstdint>
#include <string>
#include <string_view>

namespace led::core {

constexpr char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with A-Z turned into a-z; every other byte kept.
std::string AsciiLowered(std::string text);

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// Blank sets for TrimBlanks: spaces and tabs, and the same with a line's carriage
// return.
inline constexpr std::string_view kBlanks = " \t";
inline constexpr std::string_view kLineBlanks = " \t\r";

// The part of the text between its leading and trailing blanks (any character of
// `blanks`); empty when the text is all blanks. A view into the same characters.
constexpr std::string_view TrimBlanks(std::string_view text, std::string_view blanks = kBlanks) {
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Whether the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// The code points of the text; each byte that does not start a well-formed sequence
// gives U+FFFD and decoding goes on at the next byte.
std::u32string DecodeUtf8(std::string_view text);
// The UTF-8 bytes of one code point, and of a text (code points as they are).
std::string EncodeUtf8(char32_t c);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace led::core
