#pragma once
// The VALUE of a script line or of `render --set`: a decimal number (`-12.5`, `1e3`,
// `nan`, `inf`, `-inf`), a hexadecimal 32-bit pattern (`&HFFC0C0`, trailing `&`
// allowed), `True` or `False`, a double-quoted string with `\"` and `\\` escapes,
// `none`, `font "NAME" SIZE [bold] [italic] [underline] [strikethrough]`, or
// `picture PATH`. Parsing checks the text only; pictures are read when the value is
// made, so a missing file is a run-time error of that command.
#include <stdexcept>
#include <string>
#include <string_view>

#include "leddisplay/core/Variant.h"

namespace led::apps {

// A line or value that cannot be parsed; what() says why.
class ParseError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

struct ValueSpec {
  enum class Kind { Immediate, Font, Picture } kind = Kind::Immediate;
  core::Variant immediate;  // numbers, Booleans, strings, none
  std::string text;         // font name or picture path
  double points = 0;        // font size
  bool bold = false, italic = false, underline = false, strikethrough = false;
};

ValueSpec ParseValue(std::string_view text);

// The value itself (reads a picture file; errors as core::RuntimeError).
core::Variant MakeValue(const ValueSpec& parsed);

// A double-quoted string at the start of `text`; returns its contents and sets `rest`
// to what follows it.
std::string ParseQuoted(std::string_view text, std::string_view& rest);

}  // namespace led::apps
