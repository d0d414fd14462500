#include "leddisplay/qt/DisabledLook.h"

namespace led::qt {

core::OleColor DisabledLineColor(core::OleColor rgb, core::OleColor unlit) {
  const auto half = [](uint8_t a, uint8_t b) { return uint8_t((a + b + 1) / 2); };
  return core::Rgb(half(core::RedOf(rgb), core::RedOf(unlit)),
                   half(core::GreenOf(rgb), core::GreenOf(unlit)),
                   half(core::BlueOf(rgb), core::BlueOf(unlit)));
}

QColor DisabledCaptionColor(const QPalette& palette) {
  return palette.color(QPalette::Disabled, QPalette::WindowText);
}

}  // namespace led::qt
