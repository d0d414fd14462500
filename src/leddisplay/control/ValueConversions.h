// Internal: not installed.
#pragma once
// Conversions between Variant and the control's typed values that the core does not
// provide: colours (a 32-bit signed Long on the wire) and the host's font and picture
// objects. Object conversions give null for "none" and raise 13 "Type mismatch" for
// a value that is not an object of the wanted kind.
#include "leddisplay/core/OleColor.h"
#include "leddisplay/core/Variant.h"
#include "leddisplay/host/Font.h"
#include "leddisplay/host/Picture.h"

namespace led::control {

core::Variant FromColor(core::OleColor color);
core::OleColor ToColor(const core::Variant& value);

host::FontPtr ToFont(const core::Variant& value);
host::PicturePtr ToPicture(const core::Variant& value);

// A double, also from the texts "NaN", "Infinity" and "-Infinity" that Variant
// gives for non-finite doubles, so that a value saved as text reads back.
double ToValueDouble(const core::Variant& value);

}  // namespace led::control
