#include "apps/leddisplay/ScriptValue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include "leddisplay/core/Text.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/StdFont.h"

namespace led::apps {

namespace {

std::string_view TrimView(std::string_view s) {
  return core::TrimBlanks(s, core::kLineBlanks);
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  s = TrimView(s);
  while (!s.empty()) {
    const size_t end = s.find_first_of(" \t");
    words.push_back(s.substr(0, end));
    if (end == std::string_view::npos) break;
    s = TrimView(s.substr(end));
  }
  return words;
}

// A whole number that fits 16 bits is an Integer, 32 bits a Long, anything else a
// Double: the types a late-bound caller's literal would have.
core::Variant NumberValue(std::string_view text) {
  if (core::EqualsIgnoringCase(text, "nan")) return core::Variant::FromDouble(std::nan(""));
  if (core::EqualsIgnoringCase(text, "inf") || core::EqualsIgnoringCase(text, "+inf"))
    return core::Variant::FromDouble(std::numeric_limits<double>::infinity());
  if (core::EqualsIgnoringCase(text, "-inf"))
    return core::Variant::FromDouble(-std::numeric_limits<double>::infinity());
  const char* begin = text.data();
  if (!text.empty() && text.front() == '+') ++begin;
  const char* end = text.data() + text.size();
  int64_t whole = 0;
  auto [wend, wec] = std::from_chars(begin, end, whole);
  if (wec == std::errc() && wend == end) {
    if (whole >= -32768 && whole <= 32767)
      return core::Variant::FromInteger(static_cast<int16_t>(whole));
    if (whole >= std::numeric_limits<int32_t>::min() &&
        whole <= std::numeric_limits<int32_t>::max())
      return core::Variant::FromLong(static_cast<int32_t>(whole));
  }
  double value = 0;
  auto [dend, dec] = std::from_chars(begin, end, value);
  if (dec != std::errc() || dend != end || begin == end || !std::isfinite(value))
    throw ParseError("not a value: '" + std::string(text) + "'");
  return core::Variant::FromDouble(value);
}

core::Variant HexValue(std::string_view text) {
  std::string_view digits = text.substr(2);
  if (!digits.empty() && digits.back() == '&') digits.remove_suffix(1);
  uint32_t value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (digits.empty() || digits.size() > 8 || ec != std::errc() ||
      end != digits.data() + digits.size())
    throw ParseError("not a hexadecimal 32-bit pattern: '" + std::string(text) + "'");
  return core::Variant::FromLong(static_cast<int32_t>(value));
}

ValueSpec FontValue(std::string_view rest) {
  ValueSpec parsed;
  parsed.kind = ValueSpec::Kind::Font;
  rest = TrimView(rest);
  if (rest.empty() || rest.front() != '"') throw ParseError("font needs a quoted name");
  parsed.text = ParseQuoted(rest, rest);
  const auto words = Words(rest);
  if (words.empty()) throw ParseError("font needs a size");
  const char* end = words[0].data() + words[0].size();
  auto [pend, pec] = std::from_chars(words[0].data(), end, parsed.points);
  if (pec != std::errc() || pend != end || !(parsed.points > 0))
    throw ParseError("not a font size: '" + std::string(words[0]) + "'");
  for (size_t i = 1; i < words.size(); ++i) {
    if (core::EqualsIgnoringCase(words[i], "bold"))
      parsed.bold = true;
    else if (core::EqualsIgnoringCase(words[i], "italic"))
      parsed.italic = true;
    else if (core::EqualsIgnoringCase(words[i], "underline"))
      parsed.underline = true;
    else if (core::EqualsIgnoringCase(words[i], "strikethrough"))
      parsed.strikethrough = true;
    else
      throw ParseError("not a font attribute: '" + std::string(words[i]) + "'");
  }
  return parsed;
}

}  // namespace

std::string ParseQuoted(std::string_view text, std::string_view& rest) {
  if (text.empty() || text.front() != '"') throw ParseError("a string must start with '\"'");
  std::string out;
  for (size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      rest = text.substr(i + 1);
      return out;
    }
    if (c == '\\') {
      if (i + 1 >= text.size() || (text[i + 1] != '"' && text[i + 1] != '\\'))
        throw ParseError("only \\\" and \\\\ escapes are allowed in a string");
      out += text[++i];
    } else {
      out += c;
    }
  }
  throw ParseError("unterminated string");
}

ValueSpec ParseValue(std::string_view text) {
  text = TrimView(text);
  if (text.empty()) throw ParseError("missing value");
  ValueSpec parsed;
  if (text.front() == '"') {
    std::string_view rest;
    parsed.immediate = core::Variant::FromString(ParseQuoted(text, rest));
    if (!TrimView(rest).empty()) throw ParseError("text after the closing quote");
    return parsed;
  }
  const auto words = Words(text);
  const std::string_view first = words.front();
  if (core::EqualsIgnoringCase(first, "font")) return FontValue(text.substr(4));
  if (core::EqualsIgnoringCase(first, "picture")) {
    const std::string_view path = TrimView(text.substr(7));
    if (path.empty()) throw ParseError("picture needs a path");
    parsed.kind = ValueSpec::Kind::Picture;
    parsed.text = std::string(path);
    return parsed;
  }
  if (words.size() != 1) throw ParseError("not a value: '" + std::string(text) + "'");
  if (core::EqualsIgnoringCase(first, "true"))
    parsed.immediate = core::Variant::FromBoolean(core::kTrue);
  else if (core::EqualsIgnoringCase(first, "false"))
    parsed.immediate = core::Variant::FromBoolean(core::kFalse);
  else if (core::EqualsIgnoringCase(first, "none"))
    parsed.immediate = core::Variant::FromObject(nullptr);
  else if (first.size() > 2 && first[0] == '&' && (first[1] == 'H' || first[1] == 'h'))
    parsed.immediate = HexValue(first);
  else
    parsed.immediate = NumberValue(first);
  return parsed;
}

core::Variant MakeValue(const ValueSpec& parsed) {
  switch (parsed.kind) {
    case ValueSpec::Kind::Immediate:
      return parsed.immediate;
    case ValueSpec::Kind::Picture:
      return core::Variant::FromObject(platform::BitmapPicture::FromPngFile(parsed.text));
    case ValueSpec::Kind::Font: {
      host::FontPtr font = platform::StdFont::Create(parsed.text, parsed.points);
      font->SetBold(core::ToBoolean(parsed.bold));
      font->SetItalic(core::ToBoolean(parsed.italic));
      font->SetUnderline(core::ToBoolean(parsed.underline));
      font->SetStrikethrough(core::ToBoolean(parsed.strikethrough));
      return core::Variant::FromObject(font);
    }
  }
  return {};
}

}  // namespace led::apps
