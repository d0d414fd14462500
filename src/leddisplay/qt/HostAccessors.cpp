#include "leddisplay/qt/HostAccessors.h"

#include "leddisplay/qt/Enums.h"

namespace led::qt {

static_assert(enums::BackColor == 0 && enums::CaptionUpperForeColor + 1 == kColorPropertyCount,
              "ColorProperty follows the colour table's order");

namespace {

using control::LEDDisplay;

struct ColorAccess {
  core::OleColor (*get)(LEDDisplay&);
  void (*set)(LEDDisplay&, core::OleColor);
};
constexpr ColorAccess kColors[kColorPropertyCount] = {
    {[](LEDDisplay& c) { return c.BackColor(); },
     [](LEDDisplay& c, core::OleColor v) { c.SetBackColor(v); }},
    {[](LEDDisplay& c) { return c.OnColor(); },
     [](LEDDisplay& c, core::OleColor v) { c.SetOnColor(v); }},
    {[](LEDDisplay& c) { return c.OffColor(); },
     [](LEDDisplay& c, core::OleColor v) { c.SetOffColor(v); }},
    {[](LEDDisplay& c) { return c.BackGroundG1(); },
     [](LEDDisplay& c, core::OleColor v) { c.SetBackGroundG1(v); }},
    {[](LEDDisplay& c) { return c.BackGroundG2(); },
     [](LEDDisplay& c, core::OleColor v) { c.SetBackGroundG2(v); }},
    {[](LEDDisplay& c) { return c.CaptionLowForeColor(); },
     [](LEDDisplay& c, core::OleColor v) { c.SetCaptionLowForeColor(v); }},
    {[](LEDDisplay& c) { return c.CaptionUpperForeColor(); },
     [](LEDDisplay& c, core::OleColor v) { c.SetCaptionUpperForeColor(v); }},
};

}  // namespace

core::OleColor ReadColorProperty(control::LEDDisplay& control, int index) {
  return kColors[index].get(control);
}

void WriteColorProperty(control::LEDDisplay& control, int index, core::OleColor color) {
  kColors[index].set(control, color);
}

}  // namespace led::qt
