#pragma once
// A control placed on a form, as the command-line tool hosts it: the form, a recorder
// around the form's host, and an LEDDisplay on the recorded host, with the container's
// resize notification delivered to the control and the disabled look shown while the
// control's Enabled is False. The control starts created but not
// initialised, on an extent of 2595 x 945 twips (173 x 63 pixels at 15 twips per pixel).
// The form is a plain Form unless the caller gives another (a VectorForm, to keep shapes).
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/form/Recorder.h"

namespace led::apps {

class HostedControl {
 public:
  using EventHandler =
      std::function<void(int32_t dispid, const std::string& name, std::span<host::EventArg>)>;

  explicit HostedControl(std::unique_ptr<platform::Form> form = std::make_unique<platform::Form>());

  platform::Form& Form() { return *form_; }
  platform::Recorder& Recorder() { return recorder_; }
  control::LEDDisplay& Control() { return control_; }

  // The host program's handler of the control's events, called after the recorder
  // logged the event.
  void OnEvent(EventHandler handler) { handler_ = std::move(handler); }

  // Draws the control at `zoom` (LEDDisplay::SetZoom), as on a screen of `zoom` times the
  // pixel density: the form's twips per pixel become 15 / zoom, so the captions' fonts
  // and an extent set in twips grow with it; then lays out. 380 for a zoom not above 0.
  void SetZoom(double zoom);

  // The control's properties read from, or written to, a property file.
  void LoadPropertyFile(const std::string& path);
  void SavePropertyFile(const std::string& path);

  static constexpr float kStartWidth = 2595;
  static constexpr float kStartHeight = 945;
  static constexpr float kTwipsPerPixel = 15;  // at zoom 1

 private:
  std::unique_ptr<platform::Form> form_;
  platform::Recorder recorder_;
  control::LEDDisplay control_;
  EventHandler handler_;
};

}  // namespace led::apps
