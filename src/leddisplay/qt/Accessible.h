// Internal: not installed.
#pragma once
// Assistive tools see a LEDDisplayWidget as static text: its name is the widget's
// accessible name when set, else its captions (upper, then lower, joined by a space);
// its value is the text the display shows (LEDDisplayWidget::shownText).
#include <QString>

namespace led::qt {

// A display's accessible name: `given` (one set by the program) when not empty, else the
// captions that are not empty, upper then lower, joined by a space.
QString AccessibleName(const QString& given, const QString& captionUpper,
                       const QString& captionLow);

// Installs the accessibility factory for LEDDisplayWidget; calling it again does nothing.
void InstallAccessibleFactory();

}  // namespace led::qt
