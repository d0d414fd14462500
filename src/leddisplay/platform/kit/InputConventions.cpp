#include "leddisplay/platform/kit/InputConventions.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>
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

// The name in lower case without underscores ("Page_Up") and without a modifier key's
// side ("Shift_L", "Control_R"), as GDK spells its key names.
std::string Plain(std::string_view name) {
  if (name.size() > 2 && name[name.size() - 2] == '_' &&
      (Lower(name.back()) == 'l' || Lower(name.back()) == 'r'))
    name.remove_suffix(2);
  std::string plain;
  for (const char c : name)
    if (c != '_') plain += Lower(c);
  return plain;
}

}  // namespace

int16_t KeyCodeOfName(std::string_view spelled) {
  const std::string plain = Plain(spelled);
  const std::string_view name = plain;
  if (name.size() == 1) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
  }
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f') {
    int number = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
    if (error == std::errc() && end == name.data() + name.size() && number >= 1 && number <= 24)
      return static_cast<int16_t>(kKeyF1 + number - 1);
    return 0;
  }
  for (const auto& [known, code] : kNamedKeys)
    if (known == name) return code;
  return 0;
}

}  // namespace led::platform::kit
