#include "leddisplay/qt/DisabledLook.h"

namespace led::qt {

QColor DisabledCaptionColor(const QPalette& palette) {
  return palette.color(QPalette::Disabled, QPalette::WindowText);
}

}  // namespace led::qt
