// Host scripts run in-process; their JSON lines parsed and checked.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "apps/leddisplay/Script.h"
#include "support/ScratchFolder.h"

namespace led::apps {
namespace {

using nlohmann::json;

std::vector<json> RunLines(const std::string& text) {
  std::istringstream in(text);
  std::ostringstream out;
  EXPECT_EQ(RunScript(ParseScript(in), out), 0);
  std::vector<json> lines;
  std::istringstream lineStream(out.str());
  for (std::string line; std::getline(lineStream, line);) lines.push_back(json::parse(line));
  return lines;
}

std::vector<json> Calls(const std::vector<json>& lines, const std::string& name) {
  std::vector<json> found;
  for (const auto& l : lines)
    if (l.value("call", "") == name) found.push_back(l);
  return found;
}

// The lines that carry `key`, in order.
std::vector<json> With(const std::vector<json>& lines, const std::string& key) {
  std::vector<json> found;
  for (const auto& l : lines)
    if (l.contains(key)) found.push_back(l);
  return found;
}

// Each script must be refused as a whole, with exactly the message given.
void ExpectParseErrors(const std::vector<std::pair<std::string, std::string>>& bad) {
  for (const auto& [script, message] : bad) {
    std::istringstream in(script);
    try {
      ParseScript(in);
      ADD_FAILURE() << script;
    } catch (const ParseError& e) {
      EXPECT_EQ(std::string(e.what()), message);
    }
  }
}

TEST(Script, StartingStateRenderDrawsTheFirstCellAndSizesTheControl) {
  const auto lines = RunLines("init\nset AutoSize True\n");
  const auto lineCalls = Calls(lines, "Line");
  ASSERT_FALSE(lineCalls.empty());
  // The sign mark comes first: its minus bar, unlit, at y 38 for a 48-pixel digit.
  EXPECT_EQ(
      lineCalls[0],
      (json{{"call", "Line"}, {"x1", 3}, {"y1", 38}, {"x2", 21}, {"y2", 38}, {"color", 0x404000}}));
  const auto widths = Calls(lines, "Width");
  ASSERT_FALSE(widths.empty());
  EXPECT_EQ(widths.front()["value"], 2655);  // the row and the 3D border
  // The new width resizes the control, whose handling sizes the height; then the
  // setter sizes it again.
  const auto heights = Calls(lines, "Height");
  ASSERT_EQ(heights.size(), 4u);
  for (size_t i = 0; i < heights.size(); ++i)
    EXPECT_EQ(heights[i]["value"], i % 2 == 0 ? 810 : 945) << i;
  // Every command line is echoed before the calls it caused.
  EXPECT_EQ(lines[0], (json{{"line", 1}, {"command", "init"}}));
}

TEST(Script, CommandErrorsAreReportedAndTheScriptGoesOn) {
  const auto lines = RunLines("init\nset Appearance 70000\nset NoSuchThing 1\nget Appearance\n");
  const auto errors = With(lines, "error");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0],
            (json{{"error", {{"number", 6}, {"description", "Overflow"}}}, {"line", 2}}));
  EXPECT_EQ(errors[1]["error"]["number"], 438);
  EXPECT_EQ(errors[1]["line"], 3);
  EXPECT_EQ(With(lines, "get").at(0)["value"], 1);  // the refused appearance was not kept
}

TEST(Script, GetReportsEachPublishedType) {
  const auto lines = RunLines(
      "trace off\nget Digits\ninit\nget Digits\nget Appearance\nget Value\nget LeadingZeros\n"
      "get CaptionUpper\nget OnColor\nset BackColor &H80000005\nget BackColor\nget CaptionLowFont\n"
      "get PictureBackGround\nset AutoSize 1\nget AutoSize\nset Value nan\nget Value\n");
  const auto gets = With(lines, "get");
  ASSERT_EQ(gets.size(), 12u);
  EXPECT_EQ(gets[0], (json{{"get", "Digits"}, {"type", "Integer"}, {"value", 0}}));
  EXPECT_EQ(gets[1]["value"], 4);
  EXPECT_EQ(gets[2], (json{{"get", "Appearance"}, {"type", "Long"}, {"value", 1}}));
  EXPECT_EQ(gets[3], (json{{"get", "Value"}, {"type", "Double"}, {"value", 0}}));
  EXPECT_EQ(gets[4], (json{{"get", "LeadingZeros"}, {"type", "Boolean"}, {"value", -1}}));
  EXPECT_EQ(gets[5], (json{{"get", "CaptionUpper"}, {"type", "String"}, {"value", ""}}));
  EXPECT_EQ(gets[6], (json{{"get", "OnColor"}, {"type", "Color"}, {"value", 16761024}}));
  EXPECT_EQ(gets[7]["value"], 0x80000005u);
  EXPECT_EQ(gets[8]["type"], "Font");
  EXPECT_EQ(gets[8]["value"]["name"], "DejaVu Sans");
  EXPECT_EQ(gets[9], (json{{"get", "PictureBackGround"}, {"type", "Picture"}, {"value", nullptr}}));
  // A literal 1 handed to a Boolean property converts to True, as a late-bound call does.
  EXPECT_EQ(gets[10]["value"], -1);
  EXPECT_EQ(gets[11]["value"], "NaN");
  // Only the "trace off" line itself is echoed; after it no command or host call is.
  EXPECT_TRUE(With(lines, "call").empty());
  EXPECT_EQ(With(lines, "command").size(), 1u);
}

TEST(Script, WholeDoublesPrintWithoutAFractionAndNegativeZeroKeepsItsSign) {
  std::istringstream in(
      "init\ntrace off\nset Value 5\nget Value\nset Value -0.0\nget Value\n"
      "get CaptionLowFont\n");
  std::ostringstream out;
  RunScript(ParseScript(in), out);
  const std::string text = out.str();
  EXPECT_NE(text.find("{\"get\":\"Value\",\"type\":\"Double\",\"value\":5}"), std::string::npos);
  EXPECT_NE(text.find("{\"get\":\"Value\",\"type\":\"Double\",\"value\":-0.0}"), std::string::npos);
  EXPECT_NE(text.find("\"size\":8,"), std::string::npos);
}

TEST(Script, KeyPressArgumentGoesBackByReference) {
  const auto lines = RunLines(
      "init\nkeypress 65\non-keypress-set 0\nkeypress 66\nkeydown 65 1\n"
      "mousedown 1 0 10.5 20\n");
  const auto inputs = With(lines, "input");
  ASSERT_EQ(inputs.size(), 4u);
  EXPECT_EQ(inputs[0], (json{{"input", "keypress"}, {"args", {{"KeyAscii", 65}}}}));
  EXPECT_EQ(inputs[1], (json{{"input", "keypress"}, {"args", {{"KeyAscii", 0}}}}));
  EXPECT_EQ(inputs[2], (json{{"input", "keydown"}, {"args", {{"KeyCode", 65}, {"Shift", 1}}}}));
  EXPECT_EQ(inputs[3]["args"], (json{{"Button", 1}, {"Shift", 0}, {"X", 10.5}, {"y", 20}}));
  // The event is logged as raised, before the host's handler changed the argument.
  const auto events = Calls(lines, "Event");
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[1],
            (json{{"call", "Event"}, {"name", "KeyPress"}, {"args", {{"KeyAscii", 66}}}}));
}

TEST(Script, SaveAndLoadThroughFiles) {
  const test::ScratchFolder folder;
  const std::string file = folder.Path("saved.json");
  RunLines(
      "init\nset Digits 7\nset CaptionUpper \"Speed \\\"km/h\\\"\"\nset Value -3.25\n"
      "set CaptionLowFont font \"DejaVu Serif\" 11.5 bold\nsave " +
      file + "\n");
  const auto lines =
      RunLines("load " + file +
               "\ntrace off\nget Digits\nget CaptionUpper\nget Value\nget CaptionLowFont\n");
  const auto gets = With(lines, "get");
  ASSERT_EQ(gets.size(), 4u);
  EXPECT_EQ(gets[0]["value"], 7);
  EXPECT_EQ(gets[1]["value"], "Speed \"km/h\"");
  EXPECT_EQ(gets[2]["value"], -3.25);
  EXPECT_EQ(gets[3]["value"]["name"], "DejaVu Serif");
  EXPECT_EQ(gets[3]["value"]["size"], 11.5);
  EXPECT_EQ(gets[3]["value"]["bold"], true);
  // A file that is not there is an error of that command; the script goes on.
  const auto missing = RunLines("load " + folder.Path("missing.json") + "\ninit\n");
  const auto errors = With(missing, "error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0]["error"]["description"].get<std::string>().find("missing.json"),
            std::string::npos);
}

TEST(Script, BytesThatAreNotUtf8StillGiveJsonLines) {
  // A caption, a property name and an error text carrying such bytes are printed with
  // a replacement character; the script runs to its end.
  const auto lines = RunLines(
      "init\nset CaptionLow \"a\xff\"\nget CaptionLow\nset Dig\xfeits 3\nload /no\xff.json\n");
  const auto gets = With(lines, "get");
  ASSERT_EQ(gets.size(), 1u);
  EXPECT_EQ(gets[0]["value"], "a\xef\xbf\xbd");
  const auto captions = Calls(lines, "Label1.Caption");
  ASSERT_FALSE(captions.empty());
  EXPECT_EQ(captions.back()["value"], "a\xef\xbf\xbd");
  const auto errors = With(lines, "error");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0]["error"]["number"], 438);
  EXPECT_EQ(errors[1]["error"]["number"], 53);
  EXPECT_EQ(lines.back()["line"], 5);
}

TEST(Script, CoordinatesOutsideASingleAreRejected) {
  ExpectParseErrors({
      {"resize 1e300 100\n", "line 1: not a number a single can hold: '1e300'"},
      {"init\nmousedown 1 0 4e38 0\n", "line 2: not a number a single can hold: '4e38'"},
      {"place 0 -1e39\n", "line 1: not a number a single can hold: '-1e39'"},
      {"twips-per-pixel 1e40\n", "line 1: not a number a single can hold: '1e40'"},
  });
  // The largest single itself is accepted.
  std::istringstream largest("place 3.4028234e38 0\n");
  EXPECT_EQ(ParseScript(largest).size(), 1u);
}

TEST(Script, UnparsableLinesAreRejectedBeforeAnythingRuns) {
  ExpectParseErrors({
      {"init\nfly away\n", "line 2: unknown command 'fly'"},
      {"set Digits\n", "line 1: set needs a name and a value"},
      {"# comment\n\nset CaptionLow \"open\n", "line 3: unterminated string"},
      {"keydown 70000 0\n", "line 1: not a 16-bit whole number: '70000'"},
      {"set OnColor &HFFFFFFFFF\n", "line 1: not a hexadecimal 32-bit pattern: '&HFFFFFFFFF'"},
      {"set CaptionLowFont font Arial 10\n", "line 1: font needs a quoted name"},
      {"trace maybe\n", "line 1: trace takes 'on' or 'off'"},
      // Only blanks and tabs separate words; other white space belongs to the word.
      {"set Digits\v3\n", "line 1: set needs a name and a value"},
      {"resize 10\f20\n", "line 1: resize needs 2 numbers"},
  });
}

}  // namespace
}  // namespace led::apps
