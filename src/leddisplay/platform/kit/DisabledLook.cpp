#include "leddisplay/platform/kit/DisabledLook.h"

namespace led::platform::kit {

void ShowDisabledLook(control::LEDDisplay& control, RasterSurface& surface) {
  surface.SetDisabledLook([&control] { return control.OffColor(); },
                          [&control] { control.Refresh(); });
}

}  // namespace led::platform::kit
