// Internal: not installed.
#pragma once
// Font objects between the control and Qt. Name is the family, Size (points x 10000)
// the point size, Weight the weight (both on the 1..1000 scale; 0 reads as 1), and
// italic, underline and strikethrough carry over. Charset has no QFont counterpart: a
// font made from a QFont has charset 0. A QFont sized in pixels is taken at 96 dots per
// inch (12 px = 9 pt).
#include <QFont>

#include "leddisplay/host/Font.h"

namespace led::qt {

QFont ToQFont(const host::Font& font);
// A new standard font object; a family or size it refuses gives core::RuntimeError 380.
host::FontPtr FontFromQFont(const QFont& font);

}  // namespace led::qt
