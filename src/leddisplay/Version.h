#pragma once
/// @file
/// The library's version. The build reads it from here, so it is written only once.
#define LEDDISPLAY_VERSION_MAJOR 0  ///< Incompatible changes.
#define LEDDISPLAY_VERSION_MINOR 2  ///< Additions.
#define LEDDISPLAY_VERSION_PATCH 0  ///< Fixes.
/// MAJOR * 10000 + MINOR * 100 + PATCH, for comparisons in the preprocessor.
#define LEDDISPLAY_VERSION 200
#define LEDDISPLAY_VERSION_STRING "0.2.0"  ///< "MAJOR.MINOR.PATCH".
