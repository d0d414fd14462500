// A program outside the project, built against an installed copy.
#include <cstdio>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/form/Form.h"

int main() {
  led::platform::Form form;
  led::control::LEDDisplay display(form.Host());
  form.OnResize([&] { display.Resize(); });
  display.InitProperties();
  display.SetAutoSize(led::core::kTrue);
  display.SetValue(42);
  display.Show();
  const bool ok = display.Digits() == 4 && display.Value() == 42 && form.Snapshot().width > 0;
  std::puts(ok ? "consumer: ok" : "consumer: wrong state");
  return ok ? 0 : 1;
}
