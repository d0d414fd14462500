// leddisplay: renders a display to PNG, SVG or PDF, runs host scripts, lists the type library.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <locale>
#include <optional>
#include <sstream>

#include "apps/leddisplay/Gallery.h"
#include "apps/leddisplay/RenderCommand.h"
#include "apps/leddisplay/Script.h"
#include "leddisplay/Version.h"
#include "leddisplay/control/TypeLibrary.h"
#include "leddisplay/core/RuntimeError.h"

namespace {

constexpr int kBadInput = 2;

// "WxH" or "A,B" into two numbers.
template <class T>
bool SplitPair(const std::string& text, char separator, T& a, T& b) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  char sep = 0;
  return static_cast<bool>(in >> a >> sep >> b) && sep == separator && in.peek() == EOF;
}

// Why no subcommand was recognised, or nothing when one was (or help was asked for).
std::optional<std::string> MissingSubcommand(CLI::App& app, const CLI::ParseError& e) {
  if (e.get_exit_code() == 0 || !app.get_subcommands().empty()) return std::nullopt;
  const auto remaining = app.remaining();
  if (remaining.empty()) return "a subcommand is required";
  const std::string& word = remaining.front();
  return (word.starts_with('-') ? "unknown option '" : "unknown subcommand '") + word + "'";
}

std::string SubcommandNames(CLI::App& app) {
  std::string names;
  for (const CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; }))
    names += (names.empty() ? "" : ", ") + sub->get_name();
  return names;
}

// Says what went wrong; every failure of a subcommand exits with kBadInput, as a bad
// argument does (a run that writes nothing has nothing to show for it either way).
int Failed(const std::string& why) {
  std::cerr << "leddisplay: " << why << '\n';
  return kBadInput;
}

int Failed(const led::core::RuntimeError& e) {
  return Failed("error " + std::to_string(e.number()) + ": " + e.description());
}

int RunScriptCommand(const std::string& file) {
  std::ifstream fileStream;
  std::istream* in = &std::cin;
  if (!file.empty() && file != "-") {
    fileStream.open(file);
    if (!fileStream) {
      std::cerr << "leddisplay: cannot read script '" << file << "'\n";
      return 1;
    }
    in = &fileStream;
  }
  std::vector<led::apps::ScriptCommand> script;
  try {
    script = led::apps::ParseScript(*in);
  } catch (const led::apps::ParseError& e) {
    return Failed(e.what());
  }
  if (in->bad()) {
    std::cerr << "leddisplay: cannot read script '" << file << "'\n";
    return 1;
  }
  return led::apps::RunScript(script, std::cout);
}

int RunGalleryCommand(const std::string& output, const std::optional<std::string>& format) {
  try {
    led::apps::WriteGallery(output, format);
  } catch (const led::core::RuntimeError& e) {
    return Failed(e);
  }
  if (output != "-") std::cout << output << '\n';
  return 0;
}

// The render subcommand's arguments as they came: checked and turned into options here.
struct RenderArguments {
  led::apps::RenderOptions options;
  std::vector<std::string> sets;
  std::string size, place, flashPhase;
};

int RunRenderCommand(RenderArguments& given) {
  led::apps::RenderOptions& render = given.options;
  if (!given.size.empty()) {
    if (!SplitPair(given.size, 'x', render.width, render.height))
      return Failed("--size must be WxH in pixels, not '" + given.size + "'");
    if (render.width < 1 || render.height < 1)
      return Failed("--size: the width and height must be at least 1 pixel, not '" + given.size +
                    "'");
  }
  if (!given.place.empty() && !SplitPair(given.place, ',', render.left, render.top))
    return Failed("--place must be LEFT,TOP, not '" + given.place + "'");
  for (const auto& set : given.sets) {
    const auto eq = set.find('=');
    if (eq == std::string::npos || eq == 0)
      return Failed("--set must be NAME=VALUE, not '" + set + "'");
    render.sets.emplace_back(set.substr(0, eq), set.substr(eq + 1));
  }
  // The phase is put last: the flashed cells are drawn in it whatever was set before.
  if (!given.flashPhase.empty())
    render.sets.emplace_back("FlashPhase", given.flashPhase == "on" ? "True" : "False");
  try {
    led::apps::RunRender(render);
  } catch (const led::core::RuntimeError& e) {
    return Failed(e);
  } catch (const led::apps::ParseError& e) {
    return Failed(e.what());
  }
  return 0;
}

// A --scale: a number above 0 and at most 64.
CLI::Validator ScaleCheck() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        std::istringstream in(text);
        in.imbue(std::locale::classic());
        double scale = 0;
        if (in >> scale && in.peek() == EOF && scale > 0 && scale <= 64) return {};
        return "a number above 0 and at most 64, not '" + text + "'";
      },
      "(0, 64]");
}

// The render subcommand and its options, read into `given`.
void AddRenderCommand(CLI::App& app, RenderArguments& given) {
  led::apps::RenderOptions& render = given.options;
  CLI::App* renderCmd =
      app.add_subcommand("render", "Draw one control and write it as PNG, SVG or PDF");
  renderCmd->add_option("--load", render.load, "Read the control's properties from FILE");
  renderCmd->add_option(
      "--set", given.sets,
      "Put a property by name, NAME=VALUE (repeatable, in order). VALUE: a number, "
      "True or False, \"text\" in double quotes, a colour &HBBGGRR, or an "
      "enumeration member's published name such as Gradient_V");
  renderCmd->add_option("--size", given.size,
                        "The control's extent in pixels, WxH (default 177x63)");
  renderCmd->add_option("--container-picture", render.containerPicture,
                        "A PNG as the container's background picture");
  renderCmd->add_flag("--see-through", render.seeThrough,
                      "Without --container-picture, a see-through container: with "
                      "--set Transparent=True the PNG, SVG and PDF show nothing behind the "
                      "digits");
  renderCmd
      ->add_option("--flash-phase", given.flashPhase,
                   "on or off: the phase of the flashing cells (--set FlashCells=MASK) to draw; "
                   "off draws them wholly unlit (default: on)")
      ->check(CLI::IsMember({"on", "off"}));
  renderCmd->add_option("--place", given.place,
                        "The control's place on the container, LEFT,TOP (twips)");
  renderCmd
      ->add_option("--scale", render.scale,
                   "Draw N times larger (N above 0, at most 64), as on a screen of N times the "
                   "pixel density: digits and captions drawn at that size, the border and the "
                   "AutoSize allowance kept; --size stays in pixels at scale 1. Below 1, SVG "
                   "and PDF only: the picture at scale 1 made N times as large (a PNG takes 1 "
                   "or more). A PDF page larger than 14400 points (19200 pixels) on a side is "
                   "refused, not made smaller unasked: the error says how many times smaller "
                   "fits, and a --scale that many times smaller writes it")
      ->check(ScaleCheck());
  renderCmd->add_option("--save", render.save, "Write the control's properties to FILE");
  renderCmd
      ->add_option("-o,--output", render.output,
                   "The file to write (.png, .svg or .pdf), or - for standard output")
      ->required();
  renderCmd->add_option("--format", render.format,
                        "png, svg or pdf (default: by the output's extension; PNG without one)");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"leddisplay: a seven-segment LED number display control"};
  app.set_version_flag("--version", "leddisplay " LEDDISPLAY_VERSION_STRING);
  app.require_subcommand(1);

  RenderArguments given;
  AddRenderCommand(app, given);

  std::string scriptFile;
  auto* scriptCmd =
      app.add_subcommand("script", "Run a host script and print its calls as JSON lines");
  scriptCmd->add_option("file", scriptFile, "The script, or - for standard input (the default)");

  app.add_subcommand("typelib", "Print the type-library listing");

  std::string galleryOut = "out/gallery.png";
  std::optional<std::string> galleryFormat;
  auto* galleryCmd =
      app.add_subcommand("gallery", "Write a labelled picture of seventeen configurations");
  galleryCmd->add_option("-o,--output", galleryOut,
                         "The .png, .svg or .pdf to write, or - for standard output "
                         "(default out/gallery.png)");
  galleryCmd->add_option("--format", galleryFormat,
                         "png, svg or pdf (default: by the output's extension; PNG without one)");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Without a subcommand, say what was wrong and which ones there are.
    if (const auto why = MissingSubcommand(app, e)) {
      std::cerr << "leddisplay: " << *why << "; use one of " << SubcommandNames(app) << '\n';
      return kBadInput;
    }
    // CLI11's exit codes are its own; every bad argument is exit code 2 here.
    const int code = app.exit(e);
    return code == 0 ? 0 : kBadInput;
  }

  if (scriptCmd->parsed()) return RunScriptCommand(scriptFile);
  if (galleryCmd->parsed()) return RunGalleryCommand(galleryOut, galleryFormat);
  if (app.got_subcommand("typelib")) {
    std::cout << led::control::TypeLibraryListing();
    return 0;
  }
  return RunRenderCommand(given);
}
