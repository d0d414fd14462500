#include "leddisplay/platform/form/Recorder.h"

#include <string>

#include <nlohmann/json.hpp>

#include "leddisplay/platform/io/JsonValues.h"

namespace led::platform {

namespace {

using nlohmann::json;
// Records keep their keys in the order written; nested objects made as `json` (event
// arguments, fonts, pictures) keep their sorted order.
using Record = nlohmann::ordered_json;

class Log {
 public:
  void Add(const Record& record) {
    if (enabled) calls.push_back(record.dump(-1, ' ', false, Record::error_handler_t::replace));
  }
  void Set(const std::string& call, const json& value) { Add({{"call", call}, {"value", value}}); }

  std::vector<std::string> calls;
  bool enabled = true;
};

class RecordingSurface : public host::Surface {
 public:
  RecordingSurface(Log& log, host::Surface& inner) : log_(log), inner_(inner) {}

  void SetDrawWidth(int16_t width) override {
    log_.Set("DrawWidth", width);
    inner_.SetDrawWidth(width);
  }
  int16_t ScaleMode() override { return inner_.ScaleMode(); }
  void SetScaleMode(int16_t mode) override {
    log_.Set("ScaleMode", mode);
    inner_.SetScaleMode(mode);
  }
  float ScaleWidth() override { return inner_.ScaleWidth(); }
  float ScaleHeight() override { return inner_.ScaleHeight(); }
  float ScaleX(float value, int16_t from, int16_t to) override {
    return inner_.ScaleX(value, from, to);
  }
  float ScaleY(float value, int16_t from, int16_t to) override {
    return inner_.ScaleY(value, from, to);
  }
  // The one call a pass makes by the thousand: no record is built while disabled.
  void Line(float x1, float y1, float x2, float y2, core::OleColor color) override {
    if (log_.enabled)
      log_.Add({{"call", "Line"},
                {"x1", SingleToJson(x1)},
                {"y1", SingleToJson(y1)},
                {"x2", SingleToJson(x2)},
                {"y2", SingleToJson(y2)},
                {"color", ColorToJson(color)}});
    inner_.Line(x1, y1, x2, y2, color);
  }
  // Recorded one by one as Line calls; unrecorded, the batch goes on whole (the inner
  // surface draws it as its Line calls would).
  void Lines(std::span<const host::LineCall> lines) override {
    if (log_.enabled) {
      host::Surface::Lines(lines);
    } else {
      inner_.Lines(lines);
    }
  }
  void Cls() override {
    log_.Add({{"call", "Cls"}});
    inner_.Cls();
  }
  core::Boolean AutoRedraw() override { return inner_.AutoRedraw(); }
  void SetAutoRedraw(core::Boolean on) override {
    log_.Set("AutoRedraw", core::IsTrue(on));
    inner_.SetAutoRedraw(on);
  }
  int32_t hDC() override { return inner_.hDC(); }
  int16_t Appearance() override { return inner_.Appearance(); }
  void SetAppearance(int16_t appearance) override {
    log_.Set("Appearance", appearance);
    inner_.SetAppearance(appearance);
  }
  int16_t BorderStyle() override { return inner_.BorderStyle(); }
  void SetBorderStyle(int16_t style) override {
    log_.Set("BorderStyle", style);
    inner_.SetBorderStyle(style);
  }
  core::OleColor BackColor() override { return inner_.BackColor(); }
  void SetBackColor(core::OleColor color) override {
    log_.Set("BackColor", ColorToJson(color));
    inner_.SetBackColor(color);
  }
  core::Boolean Enabled() override { return inner_.Enabled(); }
  void SetEnabled(core::Boolean enabled) override {
    log_.Set("Enabled", core::IsTrue(enabled));
    inner_.SetEnabled(enabled);
  }
  int16_t MousePointer() override { return inner_.MousePointer(); }
  void SetMousePointer(int16_t pointer) override {
    log_.Set("MousePointer", pointer);
    inner_.SetMousePointer(pointer);
  }
  host::PicturePtr MouseIcon() override { return inner_.MouseIcon(); }
  void SetMouseIcon(host::PicturePtr icon) override {
    log_.Set("MouseIcon", PictureToJson(icon));
    inner_.SetMouseIcon(std::move(icon));
  }
  host::PicturePtr Picture() override { return inner_.Picture(); }
  void SetPicture(host::PicturePtr picture) override {
    log_.Set("Picture", PictureToJson(picture));
    inner_.SetPicture(std::move(picture));
  }
  int32_t hWnd() override { return inner_.hWnd(); }
  float Width() override { return inner_.Width(); }
  void SetWidth(float twips) override {
    log_.Set("Width", SingleToJson(twips));
    inner_.SetWidth(twips);
  }
  float Height() override { return inner_.Height(); }
  void SetHeight(float twips) override {
    log_.Set("Height", SingleToJson(twips));
    inner_.SetHeight(twips);
  }
  float TwipsPerPixelX() override { return inner_.TwipsPerPixelX(); }
  float TwipsPerPixelY() override { return inner_.TwipsPerPixelY(); }

 private:
  Log& log_;
  host::Surface& inner_;
};

class RecordingLabel : public host::Label {
 public:
  RecordingLabel(Log& log, host::Label& inner, std::string name)
      : log_(log), inner_(inner), prefix_(std::move(name) + ".") {}

  std::string Caption() override { return inner_.Caption(); }
  bool HasCaption() override { return inner_.HasCaption(); }
  void SetCaption(const std::string& caption) override {
    log_.Set(prefix_ + "Caption", caption);
    inner_.SetCaption(caption);
  }
  core::OleColor ForeColor() override { return inner_.ForeColor(); }
  void SetForeColor(core::OleColor color) override {
    log_.Set(prefix_ + "ForeColor", ColorToJson(color));
    inner_.SetForeColor(color);
  }
  int16_t Alignment() override { return inner_.Alignment(); }
  void SetAlignment(int16_t alignment) override {
    log_.Set(prefix_ + "Alignment", alignment);
    inner_.SetAlignment(alignment);
  }
  host::FontPtr Font() override { return inner_.Font(); }
  void SetFont(host::FontPtr font) override {
    log_.Set(prefix_ + "Font", font ? FontToJson(*font) : json(nullptr));
    inner_.SetFont(std::move(font));
  }
  float Width() override { return inner_.Width(); }
  float Height() override { return inner_.Height(); }
  float Left() override { return inner_.Left(); }
  void SetLeft(float left) override {
    log_.Set(prefix_ + "Left", SingleToJson(left));
    inner_.SetLeft(left);
  }
  float Top() override { return inner_.Top(); }
  void SetTop(float top) override {
    log_.Set(prefix_ + "Top", SingleToJson(top));
    inner_.SetTop(top);
  }

 private:
  Log& log_;
  host::Label& inner_;
  std::string prefix_;
};

class RecordingContainer : public host::Container {
 public:
  RecordingContainer(Log& log, host::Container& inner) : log_(log), inner_(inner) {}

  void PropertyChanged(const std::string& name) override {
    log_.Add({{"call", "PropertyChanged"}, {"name", name}});
    inner_.PropertyChanged(name);
  }
  void RaiseEvent(int32_t dispid, const std::string& name,
                  std::span<host::EventArg> args) override {
    json values = json::object();
    for (const auto& arg : args) values[arg.name] = VariantToJson(arg.value);
    log_.Add({{"call", "Event"}, {"name", name}, {"args", std::move(values)}});
    inner_.RaiseEvent(dispid, name, args);
  }
  host::FontPtr AmbientFont() override { return inner_.AmbientFont(); }
  core::Variant ExtenderProperty(const std::string& name) override {
    return inner_.ExtenderProperty(name);
  }
  core::Variant ParentProperty(const std::string& name) override {
    return inner_.ParentProperty(name);
  }

 private:
  Log& log_;
  host::Container& inner_;
};

class RecordingGdi : public host::Gdi {
 public:
  RecordingGdi(Log& log, host::Gdi& inner) : log_(log), inner_(inner) {}

  int32_t CreateCompatibleDC(int32_t hdc) override {
    log_.Add({{"call", "CreateCompatibleDC"}, {"hdc", hdc}});
    return inner_.CreateCompatibleDC(hdc);
  }
  int32_t SelectObject(int32_t hdc, int32_t object) override {
    log_.Add({{"call", "SelectObject"}, {"hdc", hdc}, {"object", object}});
    return inner_.SelectObject(hdc, object);
  }
  int32_t BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) override {
    log_.Add({{"call", "BitBlt"},
              {"x", x},
              {"y", y},
              {"width", width},
              {"height", height},
              {"srcX", xSrc},
              {"srcY", ySrc}});
    return inner_.BitBlt(hdcDest, x, y, width, height, hdcSrc, xSrc, ySrc, rop);
  }
  int32_t DeleteDC(int32_t hdc) override {
    log_.Add({{"call", "DeleteDC"}, {"hdc", hdc}});
    return inner_.DeleteDC(hdc);
  }
  int32_t GradientFill(int32_t hdc, std::span<const host::TriVertex> vertices,
                       std::span<const host::GradientMeshRect> mesh, uint32_t mode) override {
    Record list = Record::array();
    for (const auto& v : vertices) {
      list.push_back({{"x", v.x},
                      {"y", v.y},
                      {"red", v.red},
                      {"green", v.green},
                      {"blue", v.blue},
                      {"alpha", v.alpha}});
    }
    log_.Add({{"call", "GradientFill"}, {"mode", mode}, {"vertices", std::move(list)}});
    return inner_.GradientFill(hdc, vertices, mesh, mode);
  }
  core::OleColor GetSysColor(int32_t index) override { return inner_.GetSysColor(index); }

 private:
  Log& log_;
  host::Gdi& inner_;
};

}  // namespace

struct Recorder::Parts {
  explicit Parts(host::Host& inner)
      : surface(log, inner.surface),
        lowerCaption(log, inner.lowerCaption, "Label1"),
        upperCaption(log, inner.upperCaption, "Label2"),
        container(log, inner.container),
        gdi(log, inner.gdi) {}

  Log log;
  RecordingSurface surface;
  RecordingLabel lowerCaption;
  RecordingLabel upperCaption;
  RecordingContainer container;
  RecordingGdi gdi;
};

Recorder::Recorder(host::Host& inner)
    : parts_(std::make_unique<Parts>(inner)),
      host_{parts_->surface, parts_->lowerCaption, parts_->upperCaption, parts_->container,
            parts_->gdi} {}

Recorder::~Recorder() = default;

const std::vector<std::string>& Recorder::Calls() const {
  return parts_->log.calls;
}
void Recorder::Clear() {
  parts_->log.calls.clear();
}
void Recorder::SetEnabled(bool enabled) {
  parts_->log.enabled = enabled;
}
bool Recorder::Enabled() const {
  return parts_->log.enabled;
}

}  // namespace led::platform
