// leddisplay: renders a display to PNG, SVG or PDF, runs host scripts, lists the type library.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
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
    std::cerr << "leddisplay: " << e.what() << '\n';
    return kBadInput;
  }
  if (in->bad()) {
    std::cerr << "leddisplay: cannot read script '" << file << "'\n";
    return 1;
  }
  return led::apps::RunScript(script, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"leddisplay: a seven-segment LED number display control"};
  app.set_version_flag("--version", "leddisplay " LEDDISPLAY_VERSION_STRING);
  app.require_subcommand(1);

  led::apps::RenderOptions render;
  std::vector<std::string> sets;
  std::string size, place;
  auto* renderCmd =
      app.add_subcommand("render", "Draw one control and write it as PNG, SVG or PDF");
  renderCmd->add_option("--load", render.load, "Read the control's properties from FILE");
  renderCmd->add_option(
      "--set", sets,
      "Put a property by name, NAME=VALUE (repeatable, in order). VALUE: a number, "
      "True or False, \"text\" in double quotes, a colour &HBBGGRR, or an "
      "enumeration member's published name such as Gradient_V");
  renderCmd->add_option("--size", size, "The control's extent in pixels, WxH (default 177x63)");
  renderCmd->add_option("--container-picture", render.containerPicture,
                        "A PNG as the container's background picture");
  renderCmd->add_option("--place", place, "The control's place on the container, LEFT,TOP (twips)");
  renderCmd
      ->add_option("--scale", render.scale,
                   "Draw N times larger, as on a screen of N times the pixel density: "
                   "digits and captions drawn at that size, the border and the "
                   "AutoSize allowance kept; --size stays in pixels at scale 1")
      ->check(CLI::Range(1, 64));
  renderCmd->add_option("--save", render.save, "Write the control's properties to FILE");
  renderCmd
      ->add_option("-o,--output", render.output,
                   "The file to write (.png, .svg or .pdf), or - for standard output")
      ->required();
  renderCmd->add_option("--format", render.format,
                        "png, svg or pdf (default: by the output's extension; PNG without one)");

  std::string scriptFile;
  auto* scriptCmd =
      app.add_subcommand("script", "Run a host script and print its calls as JSON lines");
  scriptCmd->add_option("file", scriptFile, "The script, or - for standard input (the default)");

  app.add_subcommand("typelib", "Print the type-library listing");

  std::string galleryOut = "out/gallery.png";
  auto* galleryCmd =
      app.add_subcommand("gallery", "Write a labelled picture of a dozen configurations");
  galleryCmd->add_option("-o,--output", galleryOut,
                         "The .png, .svg or .pdf to write (default out/gallery.png)");

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
  if (galleryCmd->parsed()) {
    try {
      led::apps::WriteGallery(galleryOut);
    } catch (const led::core::RuntimeError& e) {
      std::cerr << "leddisplay: error " << e.number() << ": " << e.description() << '\n';
      return 1;
    }
    std::cout << galleryOut << '\n';
    return 0;
  }
  if (app.got_subcommand("typelib")) {
    std::cout << led::control::TypeLibraryListing();
    return 0;
  }

  if (!size.empty() && (!SplitPair(size, 'x', render.width, render.height) || render.width < 1 ||
                        render.height < 1)) {
    std::cerr << "leddisplay: --size must be WxH in pixels, not '" << size << "'\n";
    return kBadInput;
  }
  if (!place.empty() && !SplitPair(place, ',', render.left, render.top)) {
    std::cerr << "leddisplay: --place must be LEFT,TOP, not '" << place << "'\n";
    return kBadInput;
  }
  for (const auto& set : sets) {
    const auto eq = set.find('=');
    if (eq == std::string::npos || eq == 0) {
      std::cerr << "leddisplay: --set must be NAME=VALUE, not '" << set << "'\n";
      return kBadInput;
    }
    render.sets.emplace_back(set.substr(0, eq), set.substr(eq + 1));
  }
  try {
    led::apps::RunRender(render);
  } catch (const led::core::RuntimeError& e) {
    std::cerr << "leddisplay: error " << e.number() << ": " << e.description() << '\n';
    return kBadInput;
  } catch (const led::apps::ParseError& e) {
    std::cerr << "leddisplay: " << e.what() << '\n';
    return kBadInput;
  }
  return 0;
}
