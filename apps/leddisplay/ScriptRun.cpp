#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "apps/leddisplay/HostedControl.h"
#include "apps/leddisplay/PropertyAccess.h"
#include "apps/leddisplay/Script.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/JsonValues.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/text/TextLabel.h"

namespace led::apps {

namespace {

using Json = nlohmann::ordered_json;

// JSON text of a value; bytes that are not UTF-8 (a caption or path as the script gave
// it) become U+FFFD instead of failing the whole line.
template <class AnyJson>
std::string Dump(const AnyJson& json) {
  return json.dump(-1, ' ', false, AnyJson::error_handler_t::replace);
}

class ScriptRunner {
 public:
  explicit ScriptRunner(std::ostream& out) : out_(out) {
    hosted_.OnEvent([this](int32_t, const std::string& name, std::span<host::EventArg> args) {
      if (keyPressValue_ && name == "KeyPress" && !args.empty())
        args[0].value = core::Variant::FromInteger(*keyPressValue_);
    });
  }

  void Run(const ScriptCommand& command) {
    if (trace_) Print(Json{{"line", command.line}, {"command", command.text}});
    hosted_.Recorder().Clear();
    results_.clear();
    try {
      Execute(command);
    } catch (const core::RuntimeError& e) {
      results_.push_back(Json{{"error", {{"number", e.number()}, {"description", e.description()}}},
                              {"line", command.line}});
    }
    if (trace_)
      for (const auto& call : hosted_.Recorder().Calls()) out_ << call << '\n';
    for (const auto& result : results_) Print(result);
    hosted_.Recorder().Clear();
  }

 private:
  void Print(const Json& json) { out_ << Dump(json) << '\n'; }

  void Execute(const ScriptCommand& c) {
    control::LEDDisplay& display = hosted_.Control();
    platform::Form& form = hosted_.Form();
    const auto& n = c.numbers;
    const std::string& v = c.verb;
    if (v == "init") {
      display.InitProperties();
    } else if (v == "load") {
      hosted_.LoadPropertyFile(c.name);
    } else if (v == "save") {
      hosted_.SavePropertyFile(c.name);
    } else if (v == "terminate") {
      display.Terminate();
    } else if (v == "set") {
      SetProperty(display, c.name, MakeValue(c.value));
    } else if (v == "get") {
      Json result{{"get", c.name}};
      result.update(GetProperty(display, c.name));
      results_.push_back(std::move(result));
    } else if (v == "call") {
      CallMethod(display, c.name);
    } else if (v == "resize") {
      form.Surface().SetWidth(static_cast<float>(n[0]));
      form.Surface().SetHeight(static_cast<float>(n[1]));
    } else if (v == "show") {
      display.Show();
    } else if (v == "paint") {
      display.Paint();
    } else if (v == "twips-per-pixel") {
      form.SetTwipsPerPixel(static_cast<float>(n[0]));
    } else if (v == "container-picture") {
      form.SetContainerPicture(platform::BitmapPicture::FromPngFile(c.name));
    } else if (v == "container-scalemode") {
      form.SetContainerScaleMode(static_cast<int16_t>(n[0]));
    } else if (v == "place") {
      form.SetPlace(static_cast<float>(n[0]), static_cast<float>(n[1]));
    } else if (v == "on-keypress-set") {
      keyPressValue_ = static_cast<int16_t>(n[0]);
    } else if (v == "inspect") {
      results_.push_back(Json{{"inspect", Inspect()}});
    } else if (v == "png") {
      form.WriteSnapshotPng(c.name);
    } else if (v == "trace") {
      trace_ = c.name == "on";
      hosted_.Recorder().SetEnabled(trace_);
    } else {
      Input(display, c);
    }
  }

  void Input(control::LEDDisplay& display, const ScriptCommand& c) {
    const auto& n = c.numbers;
    const auto i16 = [&](size_t i) { return static_cast<int16_t>(n[i]); };
    Json args = Json::object();
    if (c.verb == "click") {
      display.Click();
    } else if (c.verb == "dblclick") {
      display.DblClick();
    } else if (c.verb == "keydown" || c.verb == "keyup") {
      int16_t keyCode = i16(0), shift = i16(1);
      c.verb == "keydown" ? display.KeyDown(keyCode, shift) : display.KeyUp(keyCode, shift);
      args = Json{{"KeyCode", keyCode}, {"Shift", shift}};
    } else if (c.verb == "keypress") {
      int16_t keyAscii = i16(0);
      display.KeyPress(keyAscii);
      args = Json{{"KeyAscii", keyAscii}};
    } else {
      int16_t button = i16(0), shift = i16(1);
      float x = static_cast<float>(n[2]), y = static_cast<float>(n[3]);
      if (c.verb == "mousedown")
        display.MouseDown(button, shift, x, y);
      else if (c.verb == "mousemove")
        display.MouseMove(button, shift, x, y);
      else
        display.MouseUp(button, shift, x, y);
      args = Json{{"Button", button},
                  {"Shift", shift},
                  {"X", platform::SingleToJson(x)},
                  {"y", platform::SingleToJson(y)}};
    }
    results_.push_back(Json{{"input", c.verb}, {"args", args}});
  }

  Json Inspect() {
    platform::Form& form = hosted_.Form();
    host::Surface& s = form.Surface();
    const auto single = [](float f) { return Json::parse(platform::SingleToJson(f).dump()); };
    Json surface{{"ScaleWidth", single(s.ScaleWidth())},
                 {"ScaleHeight", single(s.ScaleHeight())},
                 {"ScaleMode", s.ScaleMode()},
                 {"Width", single(s.Width())},
                 {"Height", single(s.Height())},
                 {"BackColor", s.BackColor()},
                 {"AutoRedraw", core::IsTrue(s.AutoRedraw())}};
    const auto label = [&](host::Label& l) {
      return Json{{"Caption", l.Caption()},       {"Left", single(l.Left())},
                  {"Top", single(l.Top())},       {"Width", single(l.Width())},
                  {"Height", single(l.Height())}, {"Alignment", l.Alignment()}};
    };
    return Json{{"surface", surface},
                {"Label1", label(form.LowerCaption())},
                {"Label2", label(form.UpperCaption())}};
  }

  std::ostream& out_;
  HostedControl hosted_;
  bool trace_ = true;
  std::optional<int16_t> keyPressValue_;
  std::vector<Json> results_;
};

}  // namespace

int RunScript(const std::vector<ScriptCommand>& script, std::ostream& out) {
  ScriptRunner runner(out);
  for (const auto& command : script) runner.Run(command);
  return 0;
}

}  // namespace led::apps
