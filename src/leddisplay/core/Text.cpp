#include "leddisplay/core/Text.h"

namespace led::core {

namespace {

// One UTF-8 sequence read at the start of `text`: its code point and length in
// bytes, or length 0 when it is malformed.
struct Utf8Sequence {
  char32_t code = 0;
  size_t length = 0;
};

Utf8Sequence ReadUtf8Sequence(std::string_view text) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(0);
  size_t length = 0;
  char32_t code = 0;
  if (lead < 0x80) {
    return {lead, 1};
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07;
  } else {
    return {};
  }
  if (length > text.size()) return {};
  for (size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return {};
    code = (code << 6) | (byte(k) & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  return {code, length};
}

}  // namespace

std::string AsciiLowered(std::string text) {
  for (char& c : text) c = AsciiLower(c);
  return text;
}

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const Utf8Sequence sequence = ReadUtf8Sequence(text);
    if (sequence.length == 0) return false;
    text.remove_prefix(sequence.length);
  }
  return true;
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  while (!text.empty()) {
    const Utf8Sequence sequence = ReadUtf8Sequence(text);
    out.push_back(sequence.length == 0 ? U'\uFFFD' : sequence.code);
    text.remove_prefix(sequence.length == 0 ? 1 : sequence.length);
  }
  return out;
}

std::string EncodeUtf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += char(c);
  } else if (c < 0x800) {
    s += char(0xC0 | (c >> 6));
    s += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += char(0xE0 | (c >> 12));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  } else {
    s += char(0xF0 | (c >> 18));
    s += char(0x80 | ((c >> 12) & 0x3F));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  }
  return s;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string s;
  for (const char32_t c : text) s += EncodeUtf8(c);
  return s;
}

}  // namespace led::core
