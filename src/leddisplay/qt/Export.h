#pragma once
/// @file
/// LEDDISPLAY_QT_EXPORT: what the Qt widget's shared library (libleddisplay_qt) exports.
/// The library is compiled with hidden visibility, so only declarations marked with it
/// are seen by the programs and plugins that link it.

/// Gives a class or function default visibility: exported from libleddisplay_qt.
#define LEDDISPLAY_QT_EXPORT __attribute__((visibility("default")))
