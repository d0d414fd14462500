// The leddisplay program run as a user runs it: exit codes, messages, written files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "leddisplay/platform/io/Png.h"
#include "support/FileContents.h"
#include "support/PeakMemory.h"
#include "support/RunCommand.h"
#include "support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kTool = LED_TOOL_PATH;

led::test::CommandOutcome RunTool(const std::string& arguments) {
  return led::test::RunCommand(kTool + " " + arguments + " 2>&1");
}

// Success when the tool's output holds `part`; the failure shows the whole output.
::testing::AssertionResult Says(const led::test::CommandOutcome& outcome, const std::string& part) {
  if (outcome.output.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << outcome.output;
}

class Tool : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return folder_.Path(name); }
  led::test::ScratchFolder folder_;
};

TEST_F(Tool, RenderWritesAPngOfTheControlsSize) {
  const auto out = Path("a.png");
  ASSERT_EQ(RunTool("render -o " + out).code, 0);
  const auto image = led::platform::ReadPngFile(out);
  EXPECT_EQ(image.width, 177);  // the starting state's auto-size, border included
  EXPECT_EQ(image.height, 63);

  const auto big = Path("b.png");
  ASSERT_EQ(RunTool("render --size 100x40 --scale 3 --set Value=7 -o " + big).code, 0);
  const auto enlarged = led::platform::ReadPngFile(big);
  EXPECT_EQ(enlarged.width, 300);
  EXPECT_EQ(enlarged.height, 120);
  const auto between = Path("f.png");  // a fractional scale, as a screen of 1.5 pixels a pixel
  ASSERT_EQ(RunTool("render --size 100x40 --scale 1.5 -o " + between).code, 0);
  EXPECT_EQ(led::platform::ReadPngFile(between).width, 150);

  // Disabled, the control shows it: the same size, other pixels.
  const auto disabled = Path("d.png");
  ASSERT_EQ(RunTool("render --set Enabled=False -o " + disabled).code, 0);
  const auto dimmed = led::platform::ReadPngFile(disabled);
  EXPECT_EQ(dimmed.width, image.width);
  EXPECT_NE(dimmed.pixels, image.pixels);

  // A flashing cell: the shown phase is the picture without flashing, the other not.
  const auto shown = Path("on.png"), dark = Path("off.png");
  ASSERT_EQ(RunTool("render --set FlashCells=-1 -o " + shown).code, 0);
  ASSERT_EQ(RunTool("render --set FlashCells=-1 --flash-phase off -o " + dark).code, 0);
  EXPECT_EQ(led::platform::ReadPngFile(shown).pixels, image.pixels);
  EXPECT_NE(led::platform::ReadPngFile(dark).pixels, image.pixels);
}

TEST_F(Tool, ScaleDrawsTheLengthsLargerRatherThanThePixels) {
  const auto scaled = Path("s.png"), doubled = Path("d.png");
  ASSERT_EQ(RunTool("render --scale 2 --set Value=-1.5 -o " + scaled).code, 0);
  ASSERT_EQ(RunTool("render --size 354x126 --set Value=-1.5 --set DigitWidth=48 "
                    "--set DigitHeight=96 --set SegmentWidth=6 --set SegmentSeperation=4 "
                    "--set DigitLeftMargin=6 --set DigitUpperMargin=6 --set DigitSpacing=20 "
                    "--set DecimalPointSize=6 -o " +
                    doubled)
                .code,
            0);
  const auto a = led::platform::ReadPngFile(scaled), b = led::platform::ReadPngFile(doubled);
  ASSERT_EQ(a.width, b.width);
  ASSERT_EQ(a.height, b.height);
  // The scaled border is 4 pixels, the other's 2: inside them the digits are the same,
  // the scaled picture's area 2 pixels narrower on each side. The sign's cell (its
  // margin and width) differs: under --scale its strokes are as much thicker.
  for (int y = 4; y < a.height - 4; ++y)
    for (int x = 4 + 6 + 48; x < a.width - 4; ++x)
      ASSERT_EQ(a.at(x, y), b.at(x - 2, y - 2)) << x << ", " << y;
  // An auto-sized display at --scale N is exactly N times as large.
  const auto tripled = Path("t.png");
  ASSERT_EQ(RunTool("render --scale 3 --set AutoSize=True --set Appearance=0 --set Digits=6 "
                    "--set Value=2.5 -o " +
                    tripled)
                .code,
            0);
  const auto plain = Path("p.png");
  ASSERT_EQ(
      RunTool("render --set AutoSize=True --set Appearance=0 --set Digits=6 --set Value=2.5 -o " +
              plain)
          .code,
      0);
  const auto t = led::platform::ReadPngFile(tripled), p = led::platform::ReadPngFile(plain);
  EXPECT_EQ(t.width, 3 * p.width);
  EXPECT_EQ(t.height, 3 * p.height);
}

TEST_F(Tool, RenderSavesAPropertyFileThatLoadsBack) {
  const auto saved = Path("p.json");
  ASSERT_EQ(RunTool("render --set Digits=6 --set \"CaptionLow=\\\"rpm\\\"\" --save " + saved +
                    " -o " + Path("a.png"))
                .code,
            0);
  const std::string text = led::test::ReadFileText(saved);
  EXPECT_NE(text.find("\"Digits\""), std::string::npos);
  EXPECT_NE(text.find("rpm"), std::string::npos);
  EXPECT_EQ(RunTool("render --load " + saved + " -o " + Path("b.png")).code, 0);
}

TEST_F(Tool, BadArgumentsExitWithTwoAndSayWhatIsWrong) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  std::vector<Case> cases = {
      {"render --set Nonsense=1 -o " + Path("x.png"), "Nonsense"},
      {"render --set Digits=abc -o " + Path("x.png"), "Digits=abc"},
      {"render --set Digits=70000 -o " + Path("x.png"), "Overflow"},
      {"render --set Digits -o " + Path("x.png"), "NAME=VALUE"},
      {"render --size 10by10 -o " + Path("x.png"), "--size"},
      {"render --size 0x0 -o " + Path("x.png"), "at least 1 pixel, not '0x0'"},
      {"render -o " + Path("none/x.png"), "its folder \"" + Path("none") + "\" does not exist"},
      {"gallery -o " + Path("g.gif"), "the extension of \"" + Path("g.gif") + "\""},
      {"gallery --format tiff -o -", "\"tiff\" is not a picture format"},
      {"render --load " + Path("none.json") + " -o " + Path("x.png"), "none.json"},
      {"render --container-picture " + Path("none.png") + " -o " + Path("x.png"), "none.png"},
      // Refused before the enlarged picture is made, and before anything is saved.
      {"render --size 2000x2000 --scale 64 --save " + Path("x.json") + " -o " + Path("x.png"),
       "--scale 64"},
      {"render --size 100000x100000 -o " + Path("x.png"), "at most 32767 pixels on a side"},
      // A PNG is not drawn below scale 1; no format above 64.
      {"render --scale 0.5 --save " + Path("x.json") + " -o " + Path("x.png"),
       "error 5: --scale 0.5: a PNG is drawn at a scale of 1 or more"},
      {"render --scale 0 -o " + Path("x.svg"), "--scale: a number above 0 and at most 64, not '0'"},
      {"render --scale nan -o " + Path("x.svg"), "not 'nan'"},
      {"render --scale 65 -o " + Path("x.pdf"), "not '65'"},
      {"render --flash-phase dim -o " + Path("x.png"), "--flash-phase: dim not in {on,off}"},
      {"render --set FlashInterval=20 -o " + Path("x.png"), "Invalid property value"},
      {"render --set LowLimit=200 -o " + Path("x.png"), "Invalid property value"},
      // The format by extension or by name.
      {"render -o " + Path("x.svgz"), "error 5: Invalid procedure call or argument: the extension"},
      {"render --format tiff -o " + Path("x.png"), "\"tiff\" is not a picture format"},
      {"render", "--output"},
      {"frobnicate", "unknown subcommand 'frobnicate'; use one of render, script"},
      {"--frobnicate", "unknown option '--frobnicate'"},
      {"", "a subcommand is required"},
  };
  if (LED_TOOL_WRITES_VECTOR) {  // SVG and PDF: the PDF page limit, a missing folder
    cases.push_back(
        {"render --size 20000x10 --save " + Path("x.json") + " -o " + Path("x.pdf"),
         "error 481: Invalid picture: " + Path("x.pdf") + ": size 20000 x 10 is not 1 to 19200"});
    cases.push_back({"render -o " + Path("none/x.svg"), "error 75"});
    // Larger than any page: how much smaller fits is said.
    cases.push_back({"render --size 400x200 --scale 64 -o " + Path("x.pdf"),
                     "size 25600 x 12800 is not 1 to 19200 pixels on a side (14400 points, the "
                     "largest PDF page); at most 0.75 times as large, it fits"});
    // Nor smaller than a pixel.
    cases.push_back({"render --scale 0.01 -o " + Path("x.svg"),
                     "size 177 x 63 at scale 0.01, 1.77 x 0.63, is not 1 to"});
    // Shapes are not bounded by an image's size, but by what vector painters hold.
    cases.push_back({"render --size 9000000x10 -o " + Path("x.svg"),
                     "(the inside of the border holds at most 8388607 pixels on a side)"});
  } else {
    cases.push_back({"render -o " + Path("x.svg"), "error 5: this leddisplay writes PNG only"});
  }
  for (const auto& c : cases) {
    const auto outcome = RunTool(c.arguments);
    EXPECT_EQ(outcome.code, 2) << c.arguments;
    EXPECT_TRUE(Says(outcome, c.message)) << c.arguments;
  }
  // Nothing is left behind: no picture, no property file, no temporary file.
  EXPECT_TRUE(fs::is_empty(folder_.Root()));
}

// SVG and PDF keep the drawing as shapes, not pixels: at scale 64, where the display's
// image would be 11328 x 4032 pixels (174 MiB), the program stays small, and a display
// too large for any image is written.
TEST_F(Tool, VectorOutputAtScale64TakesUnderTwentyMegabytes) {
  if (!LED_TOOL_WRITES_VECTOR) GTEST_SKIP() << "built without SVG and PDF";
  if (!led::test::kPeakIsTheProgramsOwn) GTEST_SKIP() << "the sanitizers hold memory of their own";
  constexpr long kLimit = 20 * 1024;  // kilobytes
  for (const std::string name : {"x.svg", "x.pdf"}) {
    const auto run = led::test::RunMeasured({kTool, "render", "--scale", "64", "-o", Path(name)});
    EXPECT_EQ(run.code, 0) << name;
    EXPECT_LT(run.peakKilobytes, kLimit) << name;
    EXPECT_TRUE(fs::exists(Path(name))) << name;
  }
  const auto big = led::test::RunMeasured(
      {kTool, "render", "--size", "400x200", "--scale", "64", "-o", Path("big.svg")});
  ASSERT_EQ(big.code, 0);
  EXPECT_LT(big.peakKilobytes, kLimit);
  EXPECT_TRUE(Says({0, led::test::ReadFileText(Path("big.svg"))},
                   "width=\"25600px\" height=\"12800px\" viewBox=\"0 0 25600 12800\""));
}

// Below scale 1 an SVG or PDF is the drawing at scale 1 made smaller on the page: the SVG
// the same document but for its size, the PDF a smaller page; so a display too long for
// a PDF page fits one.
TEST_F(Tool, BelowScaleOneSvgAndPdfAreTheDrawingAtScaleOneMadeSmaller) {
  if (!LED_TOOL_WRITES_VECTOR) GTEST_SKIP() << "built without SVG and PDF";
  const std::string sets = "render --set Value=-12.5 --set \"CaptionUpper=\\\"Supply\\\"\" ";
  ASSERT_EQ(RunTool(sets + "-o " + Path("one.svg")).code, 0);
  ASSERT_EQ(RunTool(sets + "--scale 0.5 -o " + Path("half.svg")).code, 0);
  const std::string one = led::test::ReadFileText(Path("one.svg"));
  std::string half = led::test::ReadFileText(Path("half.svg"));
  const std::string size = "width=\"88.5px\" height=\"31.5px\" viewBox=\"0 0 177 63\"";
  ASSERT_NE(half.find(size), std::string::npos) << half.substr(0, 400);
  half.replace(half.find(size), size.size(),
               "width=\"177px\" height=\"63px\" viewBox=\"0 0 177 63\"");
  EXPECT_EQ(half, one);

  ASSERT_EQ(RunTool(sets + "--scale 0.5 -o " + Path("half.pdf")).code, 0);
  EXPECT_TRUE(
      Says({0, led::test::ReadFileText(Path("half.pdf"))}, "/MediaBox [ 0 0 66.375 23.625 ]"));

  // 900 digits are 30641 pixels wide: over the largest page at scale 1, on one at 0.6.
  const std::string long_ = "render --set AutoSize=True --set Digits=900 ";
  const auto refused = RunTool(long_ + "-o " + Path("long.pdf"));
  EXPECT_EQ(refused.code, 2);
  EXPECT_TRUE(Says(refused,
                   "size 30641 x 63 is not 1 to 19200 pixels on a side (14400 points, "
                   "the largest PDF page); at most 0.62 times as large, it fits"));
  EXPECT_FALSE(fs::exists(Path("long.pdf")));
  ASSERT_EQ(RunTool(long_ + "--scale 0.6 -o " + Path("long.pdf")).code, 0);
  EXPECT_TRUE(
      Says({0, led::test::ReadFileText(Path("long.pdf"))}, "/MediaBox [ 0 0 13788.45 28.35 ]"));
}

TEST_F(Tool, ScriptExitCodes) {
  const auto script = Path("s.txt");
  led::test::WriteFileText(script, "init\nget Digits\n");
  const auto ok = RunTool("script " + script);
  EXPECT_EQ(ok.code, 0);
  EXPECT_TRUE(Says(ok, R"({"get":"Digits","type":"Integer","value":4})"));
  led::test::WriteFileText(script, "init\nbogus\n");
  const auto bad = RunTool("script " + script);
  EXPECT_EQ(bad.code, 2);
  EXPECT_TRUE(Says(bad, "line 2"));
  EXPECT_EQ(RunTool("script " + Path("absent.txt")).code, 1);
}

TEST_F(Tool, GalleryWritesOneSheetOfTwelveExamples) {
  const auto out = Path("new/folder/gallery.png");
  const auto outcome = RunTool("gallery -o " + out);
  ASSERT_EQ(outcome.code, 0) << outcome.output;
  EXPECT_TRUE(Says(outcome, out));
  // Three columns of examples drawn twice their size, four rows.
  const auto sheet = led::platform::ReadPngFile(out);
  EXPECT_GT(sheet.width, 3 * 2 * 173);
  EXPECT_GT(sheet.height, 4 * 2 * 63);
  // Only the sheet is left in the folder the user named.
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("new/folder")), fs::directory_iterator()), 1);
}

TEST_F(Tool, GalleryAsSvgIsTheSameSheetInShapes) {
  if (!LED_TOOL_WRITES_VECTOR) GTEST_SKIP() << "built without SVG and PDF";
  const auto png = Path("g.png"), svg = Path("g.svg");
  ASSERT_EQ(RunTool("gallery -o " + png).code, 0);
  const auto outcome = RunTool("gallery -o " + svg);
  ASSERT_EQ(outcome.code, 0) << outcome.output;
  const auto sheet = led::platform::ReadPngFile(png);
  // Its pictures (the container's behind the transparent example) are shown as pixels.
  EXPECT_TRUE(Says(led::test::CommandOutcome{0, led::test::ReadFileText(svg)},
                   "<image style=\"image-rendering:pixelated\" image-rendering=\"optimizeSpeed\""));
  EXPECT_TRUE(Says(led::test::CommandOutcome{0, led::test::ReadFileText(svg)},
                   "width=\"" + std::to_string(sheet.width) + "px\" height=\"" +
                       std::to_string(sheet.height) + "px\""));
}

TEST_F(Tool, GalleryNamesAFolderItCannotCreate) {
  led::test::WriteFileText(Path("file"), "not a folder");
  const auto outcome = RunTool("gallery -o " + Path("file/gallery.png"));
  EXPECT_EQ(outcome.code, 2);  // as render's failures
  EXPECT_TRUE(Says(outcome, "error 75"));
  EXPECT_TRUE(Says(outcome, Path("file")));
}

TEST_F(Tool, TypelibListsTheInterfaceAndVersionAnswers) {
  const auto listing = RunTool("typelib");
  EXPECT_EQ(listing.code, 0);
  EXPECT_TRUE(Says(listing, "SegmentSeperation"));
  EXPECT_TRUE(Says(listing, "Fixed Single"));
  const auto version = RunTool("--version");
  EXPECT_EQ(version.code, 0);
  EXPECT_TRUE(Says(version, "leddisplay"));
}

TEST_F(Tool, RenderWritesToStandardOutputDevicesAndNeverOverAFolder) {
  const auto piped = RunTool("render --size 40x20 -o -");
  ASSERT_EQ(piped.code, 0);
  const std::vector<uint8_t> bytes(piped.output.begin(), piped.output.end());
  const auto image = led::platform::DecodePng(bytes, "standard output");
  EXPECT_EQ(image.width, 40);
  EXPECT_EQ(image.height, 20);
  // /dev/stdout on a pipe is that pipe, as "-" is; the gallery writes there too.
  const auto device = RunTool("render --size 40x20 -o /dev/stdout");
  ASSERT_EQ(device.code, 0);
  EXPECT_EQ(device.output, piped.output);
  const auto gallery = RunTool("gallery -o -");
  ASSERT_EQ(gallery.code, 0);
  EXPECT_EQ(gallery.output.rfind("\x89PNG", 0), 0u);

  if (LED_TOOL_WRITES_VECTOR) {
    const auto svg = RunTool("render --size 40x20 --format svg -o -");
    ASSERT_EQ(svg.code, 0);
    EXPECT_EQ(svg.output.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(Says(svg, "width=\"40px\" height=\"20px\""));
    EXPECT_EQ(RunTool("render -o /dev/null --format pdf").code, 0);
  }

  EXPECT_EQ(RunTool("render -o /dev/null").code, 0);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  fs::create_directory(Path("folder"));
  const auto folder = RunTool("render -o " + Path("folder"));
  EXPECT_EQ(folder.code, 2);
  EXPECT_TRUE(
      Says(folder, "error 75: Path/File access error: \"" + Path("folder") + "\": is a folder"));
  EXPECT_TRUE(fs::is_directory(Path("folder")));
}

TEST_F(Tool, ANumberBeyondADoubleInAPropertyFileIsError380NamingFileAndKey) {
  const auto file = Path("huge.json");
  led::test::WriteFileText(file, R"({"format":"leddisplay","version":1,"properties":)"
                                 R"({"Value":{"type":"Double","value":1e400}}})");
  const auto rendered = RunTool("render --load " + file + " -o " + Path("x.png"));
  EXPECT_EQ(rendered.code, 2);
  EXPECT_TRUE(Says(rendered, "error 380: --load " + file + ": Invalid property file \"" + file +
                                 "\": key \"Value\": number 1e400"));
  EXPECT_FALSE(fs::exists(Path("x.png")));

  const auto script = Path("s.txt");
  led::test::WriteFileText(script, "load " + file + "\nget Digits\n");
  const auto loaded = RunTool("script " + script);
  EXPECT_EQ(loaded.code, 0) << loaded.output;
  EXPECT_TRUE(Says(loaded, R"("number":380)"));
  EXPECT_TRUE(Says(loaded, R"(key \"Value\": number 1e400)"));
}

}  // namespace
