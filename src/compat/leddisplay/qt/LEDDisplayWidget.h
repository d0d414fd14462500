#pragma once
/// @file
/// The widget's header by its earlier path, kept for the programs, .ui files and uic
/// output that include it: the widget is declared in leddisplay/widgets/LEDDisplayWidget.h.
#include "leddisplay/widgets/LEDDisplayWidget.h"
