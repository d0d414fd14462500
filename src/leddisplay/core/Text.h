#pragma once
// Text helpers: names compared the way the control's hosts compare them (without
// regard to ASCII letter case, independent of the process locale), and a UTF-8 check.
#include <cstdint>
#include <string_view>

namespace led::core {

constexpr char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or code
// points above U+10FFFF).
bool IsValidUtf8(std::string_view text);

}  // namespace led::core
