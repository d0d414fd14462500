#include <cmath>
#include <istream>
#include <limits>
#include <map>
#include <sstream>

#include "apps/leddisplay/PropertyValue.h"
#include "apps/leddisplay/Script.h"
#include "leddisplay/core/Text.h"

namespace led::apps {

namespace {

// What each verb takes after it.
enum class Shape { None, Path, Name, NameValue, Numbers, OnOff };
struct VerbShape {
  Shape shape;
  int numbers = 0;        // for Shape::Numbers
  bool integral = false;  // numbers must be whole 16-bit values
};

const std::map<std::string, VerbShape>& Verbs() {
  static const std::map<std::string, VerbShape> verbs = {
      {"init", {Shape::None}},
      {"load", {Shape::Path}},
      {"save", {Shape::Path}},
      {"terminate", {Shape::None}},
      {"set", {Shape::NameValue}},
      {"get", {Shape::Name}},
      {"call", {Shape::Name}},
      {"resize", {Shape::Numbers, 2}},
      {"show", {Shape::None}},
      {"paint", {Shape::None}},
      {"click", {Shape::None}},
      {"dblclick", {Shape::None}},
      {"keydown", {Shape::Numbers, 2, true}},
      {"keypress", {Shape::Numbers, 1, true}},
      {"keyup", {Shape::Numbers, 2, true}},
      {"mousedown", {Shape::Numbers, 4}},
      {"mousemove", {Shape::Numbers, 4}},
      {"mouseup", {Shape::Numbers, 4}},
      {"twips-per-pixel", {Shape::Numbers, 1}},
      {"container-picture", {Shape::Path}},
      {"container-scalemode", {Shape::Numbers, 1, true}},
      {"place", {Shape::Numbers, 2}},
      {"on-keypress-set", {Shape::Numbers, 1, true}},
      {"inspect", {Shape::None}},
      {"png", {Shape::Path}},
      {"trace", {Shape::OnOff}},
  };
  return verbs;
}

std::string Trim(const std::string& s) {
  return std::string(core::TrimBlanks(s, core::kLineBlanks));
}

double ParseNumber(const std::string& word, bool integral) {
  std::istringstream in(word);
  in.imbue(std::locale::classic());
  double value = 0;
  if (!(in >> value) || !in.eof() || !std::isfinite(value))
    throw ParseError("not a number: '" + word + "'");
  if (integral && (value != std::floor(value) || value < -32768 || value > 32767))
    throw ParseError("not a 16-bit whole number: '" + word + "'");
  // The other numbers go to the host as singles; a double beyond that range has no
  // single to become.
  if (std::fabs(value) > std::numeric_limits<float>::max())
    throw ParseError("not a number a single can hold: '" + word + "'");
  return value;
}

ScriptCommand ParseLine(int lineNumber, const std::string& text) {
  ScriptCommand command;
  command.line = lineNumber;
  command.text = text;
  const auto verbEnd = text.find_first_of(" \t");
  command.verb = text.substr(0, verbEnd);
  for (char& c : command.verb) c = core::AsciiLower(c);
  const std::string rest = verbEnd == std::string::npos ? "" : Trim(text.substr(verbEnd));
  const auto found = Verbs().find(command.verb);
  if (found == Verbs().end()) throw ParseError("unknown command '" + command.verb + "'");
  const VerbShape& shape = found->second;
  // Words are separated by blanks and tabs, as the verb is, so that the value of a set
  // starts right after the first separator.
  std::vector<std::string> list;
  for (size_t at = rest.find_first_not_of(" \t"); at != std::string::npos;) {
    const size_t end = rest.find_first_of(" \t", at);
    list.push_back(rest.substr(at, end - at));
    at = rest.find_first_not_of(" \t", end);
  }
  switch (shape.shape) {
    case Shape::None:
      if (!rest.empty()) throw ParseError(command.verb + " takes no arguments");
      break;
    case Shape::Path:
      if (rest.empty()) throw ParseError(command.verb + " needs a path");
      command.name = rest;
      break;
    case Shape::Name:
      if (list.size() != 1) throw ParseError(command.verb + " needs one name");
      command.name = list[0];
      break;
    case Shape::NameValue: {
      if (list.size() < 2) throw ParseError("set needs a name and a value");
      command.name = list[0];
      command.value =
          ParsePropertyValue(command.name, Trim(rest.substr(rest.find_first_of(" \t"))));
      break;
    }
    case Shape::Numbers:
      if (static_cast<int>(list.size()) != shape.numbers)
        throw ParseError(command.verb + " needs " + std::to_string(shape.numbers) + " number" +
                         (shape.numbers == 1 ? "" : "s"));
      for (size_t i = 0; i < list.size(); ++i) {
        // Mouse buttons and shift states are 16-bit; the coordinates may be fractional.
        const bool integral = shape.integral || (shape.numbers == 4 && i < 2);
        command.numbers.push_back(ParseNumber(list[i], integral));
      }
      break;
    case Shape::OnOff:
      if (list.size() != 1 || (list[0] != "on" && list[0] != "off"))
        throw ParseError("trace takes 'on' or 'off'");
      command.name = list[0];
      break;
  }
  return command;
}

}  // namespace

std::vector<ScriptCommand> ParseScript(std::istream& in) {
  std::vector<ScriptCommand> script;
  std::string raw;
  for (int lineNumber = 1; std::getline(in, raw); ++lineNumber) {
    const std::string text = Trim(raw);
    if (text.empty() || text[0] == '#') continue;
    try {
      script.push_back(ParseLine(lineNumber, text));
    } catch (const ParseError& e) {
      throw ParseError("line " + std::to_string(lineNumber) + ": " + e.what());
    }
  }
  return script;
}

}  // namespace led::apps
