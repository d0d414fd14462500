#include "leddisplay/platform/cairo/SvgIds.h"

#include <cctype>
#include <map>
#include <string>
#include <string_view>

namespace led::platform {

namespace {

// The id prefixes Cairo numbers process-wide.
constexpr std::string_view kPrefixes[] = {"surface", "image"};

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

void NumberSvgIdsByDocument(std::vector<uint8_t>& svg) {
  std::string text(svg.begin(), svg.end());
  for (const std::string_view prefix : kPrefixes) {
    // The declared ids, numbered in order of declaration.
    std::map<std::string, std::string> renamed;
    const std::string declaration = "id=\"" + std::string(prefix);
    for (size_t at = text.find(declaration); at != std::string::npos;
         at = text.find(declaration, at + 1)) {
      size_t end = at + declaration.size();
      while (end < text.size() && IsDigit(text[end])) ++end;
      if (end == at + declaration.size() || end >= text.size() || text[end] != '"') continue;
      const std::string id = text.substr(at + 4, end - at - 4);
      if (!renamed.contains(id))
        renamed.emplace(id, std::string(prefix) + std::to_string(renamed.size() + 1));
    }
    if (renamed.empty()) continue;
    // Every whole word of the prefix and digits that names a declared id is replaced.
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1)) {
      if (at < from) continue;
      size_t end = at + prefix.size();
      while (end < text.size() && IsDigit(text[end])) ++end;
      const auto alnum = [&](size_t i) {
        return i < text.size() && std::isalnum(static_cast<unsigned char>(text[i])) != 0;
      };
      const bool word = (at == 0 || !alnum(at - 1)) && end > at + prefix.size() && !alnum(end);
      const auto it = word ? renamed.find(text.substr(at, end - at)) : renamed.end();
      if (it == renamed.end()) continue;
      out.append(text, from, at - from);
      out += it->second;
      from = end;
    }
    out.append(text, from, std::string::npos);
    text = std::move(out);
  }
  svg.assign(text.begin(), text.end());
}

}  // namespace led::platform
