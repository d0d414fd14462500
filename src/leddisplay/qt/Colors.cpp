#include "leddisplay/qt/Colors.h"

#include "leddisplay/core/RuntimeError.h"

namespace led::qt {

QColor ToQColor(core::OleColor color, const platform::RasterSurface& surface) {
  const core::OleColor rgb = surface.Resolve(color);
  return QColor(core::RedOf(rgb), core::GreenOf(rgb), core::BlueOf(rgb));
}

core::OleColor FromQColor(const QColor& color) {
  if (!color.isValid())
    throw core::RuntimeError(core::kInvalidPropertyValue, "Invalid property value: no colour");
  const QColor rgb = color.toRgb();
  if (rgb.alpha() != 255)
    throw core::RuntimeError(core::kInvalidPropertyValue,
                             "Invalid property value: the colour is not opaque (alpha " +
                                 std::to_string(rgb.alpha()) + ")");
  return core::Rgb(uint8_t(rgb.red()), uint8_t(rgb.green()), uint8_t(rgb.blue()));
}

}  // namespace led::qt
