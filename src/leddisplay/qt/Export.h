#pragma once
/// @file
/// LEDDISPLAY_QT_EXPORT: what the Qt front ends' shared libraries export
/// (libleddisplay_qt: the widget class; both it and libleddisplay_quick: the shared
/// enumerations' meta-object). The shared Qt host is compiled with hidden visibility, so
/// only declarations marked with it are seen by the programs and plugins that link them.

/// Gives a class or function default visibility: exported from the library holding it.
#define LEDDISPLAY_QT_EXPORT __attribute__((visibility("default")))
