#include "leddisplay/platform/kit/InputConventions.h"

#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace led::platform::kit {

namespace {

constexpr std::array<std::pair<std::string_view, int16_t>, 24> kNamedKeys = {{
    {"backspace", kKeyBackspace}, {"tab", kKeyTab},           {"enter", kKeyEnter},
    {"return", kKeyEnter},        {"shift", kKeyShift},       {"ctrl", kKeyCtrl},
    {"control", kKeyCtrl},        {"alt", kKeyAlt},           {"pause", kKeyPause},
    {"escape", kKeyEscape},       {"esc", kKeyEscape},        {"space", kKeySpace},
    {"pageup", kKeyPageUp},       {"pagedown", kKeyPageDown}, {"end", kKeyEnd},
    {"home", kKeyHome},           {"left", kKeyLeft},         {"up", kKeyUp},
    {"right", kKeyRight},         {"down", kKeyDown},         {"insert", kKeyInsert},
    {"delete", kKeyDelete},       {"del", kKeyDelete},        {"ins", kKeyInsert},
}};

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

int16_t KeyCodeOfName(std::string_view name) {
  if (name.size() == 1) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
  }
  if (name.size() >= 2 && name.size() <= 3 && Lower(name[0]) == 'f') {
    int number = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
    if (error == std::errc() && end == name.data() + name.size() && number >= 1 && number <= 24)
      return static_cast<int16_t>(kKeyF1 + number - 1);
    return 0;
  }
  for (const auto& [known, code] : kNamedKeys) {
    if (known.size() != name.size()) continue;
    bool same = true;
    for (size_t i = 0; i < known.size() && same; ++i) same = Lower(name[i]) == known[i];
    if (same) return code;
  }
  return 0;
}

}  // namespace led::platform::kit
