// Internal: not installed.
#pragma once
// Our property file (platform/io/PropertyFile.h) for the Qt hosts' saveProperties and
// loadProperties. Errors pass to the caller as core::RuntimeError, naming the file; a
// load that fails part-way keeps the values read before the fault. A load sets the
// control's members without laying out or drawing: ShowLoaded then does what a
// container does after a load, the layout (and the auto-size fit), then a show. A path
// that starts with ':' is a Qt resource: it loads as a file does and is refused for a
// save (75, read-only).
#include <QString>

#include "leddisplay/control/LEDDisplay.h"

namespace led::qt {

void SaveHostProperties(control::LEDDisplay& control, const QString& path);
void LoadHostProperties(control::LEDDisplay& control, const QString& path);
void ShowLoaded(control::LEDDisplay& control);

}  // namespace led::qt
