// Internal: not installed.
#pragma once
// The system colours as a palette gives them: each index 0..30 reads one role of the
// palette's Active group (17, grey text, reads the Disabled group's Text), so that a
// widget's system colours, border and 3D edge follow its palette. The indices Qt has no
// role for (1 desktop, 25 unassigned, 27 and 28 caption gradients) keep the
// process-wide table's current entry. The roles are listed in PaletteColors.cpp.
#include <QPalette>

#include "leddisplay/platform/raster/SystemColors.h"

namespace led::qt {

platform::SystemColorSet SystemColorsOf(const QPalette& palette);

}  // namespace led::qt
