// Places an LEDDisplay on a form, shows a reading with captions, reacts to its Change
// event and writes what the form shows as a PNG.
//   place_control [OUT.png]
#include <cstdio>
#include <string>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/raster/RasterSurface.h"

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? argv[1] : "place_control.png";

  led::platform::Form form;
  led::control::LEDDisplay display(form.Host());
  // The container tells the control when its extent changes, and the host program
  // hears the control's events.
  form.OnResize([&] { display.Resize(); });
  int changes = 0;
  form.OnEvent([&](int32_t, const std::string& name, std::span<led::host::EventArg>) {
    if (name == "Change") ++changes;
  });

  display.InitProperties();
  display.SetAutoSize(led::core::kTrue);  // the control fits its digits and captions
  display.SetCaptionUpper("Supply");
  display.SetCaptionLow("volts");
  display.SetDigits(4);
  display.SetDecimals(2);
  display.SetValue(-12.5);
  display.Show();

  form.WriteSnapshotPng(out);
  std::printf("%s: %d change(s), %.0f x %.0f twips\n", out.c_str(), changes, form.Surface().Width(),
              form.Surface().Height());
  return changes == 1 ? 0 : 1;
}
