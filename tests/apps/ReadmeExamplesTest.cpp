// The README's examples, run as a reader would run them. A fenced block after
// `<!-- test: file NAME -->` is written to NAME; one after `<!-- test: shell -->` holds
// commands (lines starting with "$ ") each followed by what it prints; one after
// `<!-- test: shell vector -->` runs only when the tool writes SVG and PDF (a build with
// Cairo). All run in order, in one scratch folder, with the built tool first on PATH. One
// after `<!-- test: excerpt PATH -->` is code that the source file PATH holds line for line
// (indentation aside), a file the build compiles and the tests run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "apps/leddisplay/Script.h"
#include "leddisplay/model/ControlState.h"
#include "support/FileContents.h"
#include "support/RunCommand.h"
#include "support/ScratchFolder.h"

namespace led::apps {
namespace {

namespace fs = std::filesystem;

struct Example {
  int line = 0;          // of the marker, for messages
  std::string kind;      // "file" or "shell"
  std::string argument;  // the file name of a "file" example
  std::string body;      // the fenced lines, each ending in a newline
};

std::vector<Example> MarkedExamples() {
  const fs::path readme = fs::path(LED_TEST_DATA_DIR).parent_path().parent_path() / "README.md";
  std::istringstream in(test::ReadFileText(readme.string()));  // throws when it is missing
  const std::regex marker(R"(<!-- test: (\w+)(?: (\S+))? -->)");
  std::vector<Example> examples;
  std::string text;
  int lineNumber = 0;
  Example* open = nullptr;  // the example whose fence is being read
  bool inFence = false;
  for (; std::getline(in, text); ++lineNumber) {
    std::smatch match;
    if (!inFence && std::regex_match(text, match, marker)) {
      examples.push_back({lineNumber + 1, match[1], match[2], ""});
      open = &examples.back();
    } else if (text.starts_with("```")) {
      inFence = !inFence;
      if (!inFence) open = nullptr;
    } else if (inFence && open) {
      open->body += text + '\n';
    } else if (open && !text.empty()) {
      ADD_FAILURE() << "README.md line " << open->line << ": the marker is not followed by a fence";
      open = nullptr;
    }
  }
  return examples;
}

const Example* FindExample(const std::vector<Example>& examples, const std::string& kind,
                           const std::string& containing) {
  for (const auto& e : examples)
    if (e.kind == kind &&
        (e.argument == containing || e.body.find(containing) != std::string::npos))
      return &e;
  return nullptr;
}

// Runs `command` with bash (pipefail on) in `folder`, the tool first on PATH.
test::CommandOutcome RunShell(const fs::path& folder, const std::string& command) {
  const fs::path script = folder.parent_path() / "command.sh";
  test::WriteFileText(script.string(), "set -o pipefail\n" + command + '\n');
  const std::string line = "cd '" + folder.string() + "' && PATH='" +
                           fs::path(LED_TOOL_PATH).parent_path().string() + "':\"$PATH\" bash '" +
                           script.string() + "' 2>&1";
  return test::RunCommand(line);
}

class ReadmeExamples : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(Folder()); }
  fs::path Folder() const { return scratch_.Root() / "work"; }
  test::ScratchFolder scratch_;
};

TEST_F(ReadmeExamples, TheToolPropertyFileAndScriptSectionsHaveTestedExamples) {
  const auto examples = MarkedExamples();
  EXPECT_NE(FindExample(examples, "shell", "leddisplay render --set"), nullptr);
  EXPECT_NE(FindExample(examples, "file", "rpm.json"), nullptr);
  EXPECT_NE(FindExample(examples, "shell", "leddisplay render --load rpm.json"), nullptr);
  EXPECT_NE(FindExample(examples, "shell", "leddisplay script -"), nullptr);
  // The Qt printing recipes: a QPdfWriter, a QPrinter, a QPicture drawn at a scale.
  EXPECT_NE(FindExample(examples, "excerpt", "QPdfWriter pdf(path);"), nullptr);
  EXPECT_NE(FindExample(examples, "excerpt", "QPrinter printer(QPrinter::HighResolution);"),
            nullptr);
  EXPECT_NE(FindExample(examples, "excerpt", "painter.drawPicture(0, 0, picture);"), nullptr);
  for (const auto& e : examples) {
    EXPECT_TRUE(e.kind == "file" || e.kind == "shell" || e.kind == "excerpt") << e.line;
    if (e.kind == "shell")
      EXPECT_TRUE(e.argument.empty() || e.argument == "vector") << e.line;
    else
      EXPECT_FALSE(e.argument.empty()) << e.line;
  }
}

// The lines of `text` without their leading blanks.
std::vector<std::string> Unindented(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line.substr(std::min(line.find_first_not_of(' '), line.size())));
  return lines;
}

TEST_F(ReadmeExamples, EachExcerptIsCodeItsSourceFileHolds) {
  const fs::path root = fs::path(LED_TEST_DATA_DIR).parent_path().parent_path();
  for (const auto& example : MarkedExamples()) {
    if (example.kind != "excerpt") continue;
    SCOPED_TRACE("README.md line " + std::to_string(example.line));
    const std::vector<std::string> source =
        Unindented(test::ReadFileText((root / example.argument).string()));
    const std::vector<std::string> excerpt = Unindented(example.body);
    ASSERT_FALSE(excerpt.empty());
    EXPECT_NE(std::search(source.begin(), source.end(), excerpt.begin(), excerpt.end()),
              source.end())
        << example.argument << " does not hold:\n"
        << example.body;
  }
}

TEST_F(ReadmeExamples, EachCommandPrintsWhatTheReadmeShows) {
  for (const auto& example : MarkedExamples()) {
    SCOPED_TRACE("README.md line " + std::to_string(example.line));
    if (example.kind == "file") {
      test::WriteFileText((Folder() / example.argument).string(), example.body);
      continue;
    }
    if (example.kind == "excerpt") continue;
    if (example.argument == "vector" && !LED_TOOL_WRITES_VECTOR) continue;
    std::istringstream lines(example.body);
    std::string command, expected;
    const auto check = [&] {
      if (command.empty()) return;
      const auto outcome = RunShell(Folder(), command);
      EXPECT_EQ(outcome.code, 0) << command << '\n' << outcome.output;
      EXPECT_EQ(outcome.output, expected) << command;
    };
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("$ ")) {
        check();
        command = line.substr(2);
        expected.clear();
      } else {
        expected += line + '\n';
      }
    }
    check();
  }
  // The render examples wrote their pictures.
  EXPECT_TRUE(fs::exists(Folder() / "rpm.png"));
  EXPECT_TRUE(fs::exists(Folder() / "supply.png"));
}

TEST_F(ReadmeExamples, PropertyFileExampleShowsItsDigitsBetweenItsCaptions) {
  const auto examples = MarkedExamples();
  const Example* file = FindExample(examples, "file", "rpm.json");
  ASSERT_NE(file, nullptr);
  const fs::path path = Folder() / "rpm.json";
  test::WriteFileText(path.string(), file->body);
  std::istringstream script("load " + path.string() + "\nshow\ntrace off\ninspect\n");
  std::ostringstream out;
  RunScript(ParseScript(script), out);

  // The lit segments of the last render pass, and the layout after it.
  std::vector<nlohmann::json> lit;
  nlohmann::json inspect;
  std::istringstream lines(out.str());
  for (std::string text; std::getline(lines, text);) {
    const auto line = nlohmann::json::parse(text);
    if (line.value("call", "") == "Cls") lit.clear();
    if (line.value("call", "") == "Line" && line["color"] == model::kFirstOnColor)
      lit.push_back(line);
    if (line.contains("inspect")) inspect = line["inspect"];
    EXPECT_FALSE(line.contains("error")) << text;
  }
  ASSERT_FALSE(lit.empty());
  ASSERT_TRUE(inspect.is_object()) << out.str();
  const auto& upper = inspect["Label2"];
  const auto& lower = inspect["Label1"];
  EXPECT_EQ(upper["Caption"].get<std::string>(), "Motor");
  EXPECT_EQ(lower["Caption"].get<std::string>(), "rpm");
  // The box the lit segments cover, in pixels.
  double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
  for (const auto& l : lit) {
    left = std::min({left, l["x1"].get<double>(), l["x2"].get<double>()});
    right = std::max({right, l["x1"].get<double>(), l["x2"].get<double>()});
    top = std::min({top, l["y1"].get<double>(), l["y2"].get<double>()});
    bottom = std::max({bottom, l["y1"].get<double>(), l["y2"].get<double>()});
  }
  const double width = inspect["surface"]["ScaleWidth"];
  EXPECT_GE(left, 0);
  EXPECT_LT(right, width);  // no digit cut off
  EXPECT_GE(top, upper["Top"].get<double>() + upper["Height"].get<double>());
  EXPECT_LE(bottom, lower["Top"].get<double>());
  for (const auto* label : {&upper, &lower})
    EXPECT_LE((*label)["Left"].get<double>() + (*label)["Width"].get<double>(), width);
}

}  // namespace
}  // namespace led::apps
