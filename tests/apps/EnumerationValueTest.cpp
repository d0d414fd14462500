// Enumeration properties take their members' published names in `set` and `--set`.
#include <gtest/gtest.h>

#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "apps/leddisplay/PropertyValue.h"
#include "apps/leddisplay/RenderCommand.h"
#include "apps/leddisplay/Script.h"

namespace led::apps {
namespace {

// The values the script's `get` reports after each `set NAME VALUE`.
std::vector<nlohmann::json> GetsAfterSets(
    const std::vector<std::pair<std::string, std::string>>& sets) {
  std::string script = "init\ntrace off\n";
  for (const auto& [name, value] : sets)
    script += "set " + name + " " + value + "\nget " + name + "\n";
  std::istringstream in(script);
  std::ostringstream out;
  RunScript(ParseScript(in), out);
  std::vector<nlohmann::json> values;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    const auto json = nlohmann::json::parse(line);
    if (json.contains("get")) values.push_back(json["value"]);
    EXPECT_FALSE(json.contains("error")) << line;
  }
  return values;
}

// What the statement's parse error says; empty when it raises none.
std::string ParseErrorOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const ParseError& e) {
    return e.what();
  }
  return "";
}

TEST(EnumerationValue, MemberNamesInAnyCaseBareOrQuoted) {
  const std::vector<std::pair<std::string, std::string>> sets = {
      {"BackGroundStyle", "Gradient_V"},
      {"backgroundstyle", "GRADIENT_H"},
      {"BorderStyle", "Fixed Single"},
      {"BorderStyle", "none"},
      {"BorderStyle", "\"fixed single\""},
      {"Appearance", "flat"},
      {"Appearance", "3D"},
      {"CaptionLowPosition", "Right Position"},
      {"CaptionUpperPosition", "left position"},
      // Numbers keep working.
      {"BackGroundStyle", "0"},
  };
  const std::vector<nlohmann::json> expected = {1, 2, 1, 0, 1, 0, 1, 1, 0, 0};
  EXPECT_EQ(GetsAfterSets(sets), expected);
}

TEST(EnumerationValue, NamesMeanNothingSpecialToOtherProperties) {
  // A string property keeps the text; "none" stays Nothing for a picture.
  const auto values = GetsAfterSets({{"CaptionUpper", "\"Flat\""}, {"PictureBackGround", "none"}});
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0], "Flat");
  EXPECT_EQ(values[1], nullptr);
  EXPECT_THROW(ParsePropertyValue("Digits", "Gradient_V"), ParseError);
  EXPECT_THROW(ParsePropertyValue("NoSuchProperty", "Gradient_V"), ParseError);
}

TEST(EnumerationValue, AMisspelledNameListsTheMembers) {
  EXPECT_EQ(ParseErrorOf([] { ParsePropertyValue("BorderStyle", "Fixed Singel"); }),
            "not a value: 'Fixed Singel' (BorderStyle takes a number or one of None, Fixed "
            "Single)");
  std::istringstream script("init\nset BackGroundStyle Gradient\n");
  EXPECT_EQ(ParseErrorOf([&] { ParseScript(script); }),
            "line 2: not a value: 'Gradient' (BackGroundStyle takes a number or one of "
            "Standard, Gradient_V, Gradient_H)");
}

TEST(EnumerationValue, RenderSetTakesNamesToo) {
  RenderOptions plain, named;
  plain.sets = {{"BackGroundStyle", "1"}, {"BorderStyle", "0"}};
  named.sets = {{"BackGroundStyle", "gradient_v"}, {"BorderStyle", "None"}};
  const auto a = RenderImage(plain), b = RenderImage(named);
  ASSERT_EQ(a.width, b.width);
  ASSERT_EQ(a.height, b.height);
  EXPECT_TRUE(a.pixels == b.pixels);
}

}  // namespace
}  // namespace led::apps
