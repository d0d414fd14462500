// Internal: not installed.
#pragma once
// The system colours as a palette gives them: the kit's palette roles
// (platform/kit/Palette.h) read from the palette's Active group, the disabled text from
// its Disabled group, so that a widget's system colours, border and 3D edge follow its
// palette. The indices with no role keep the process-wide table's current entry.
#include <QPalette>

#include "leddisplay/platform/raster/SystemColors.h"

namespace led::qt {

platform::SystemColorSet SystemColorsOf(const QPalette& palette);

}  // namespace led::qt
