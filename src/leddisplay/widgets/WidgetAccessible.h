// Internal: not installed.
#pragma once
// Assistive tools see a LEDDisplayWidget as static text: its name is the widget's
// accessible name when set, else its captions (qt/AccessibleName.h); its value is the
// text the display shows (LEDDisplayWidget::shownText).
namespace led::qt {

// Installs the accessibility factory for LEDDisplayWidget; calling it again does nothing.
void InstallAccessibleFactory();

}  // namespace led::qt
