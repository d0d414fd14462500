#pragma once
// The VALUE given to a named property by `render --set` and a script's `set`. For a
// property whose type is a published enumeration (Appearance, BorderStyle,
// BackGroundStyle, the caption positions), a member's published name, in any letter
// case, bare or in double quotes, is that member's value: `Gradient_V`,
// `fixed single`, `"3D"`, `None`. Anything else is read by ParseValue. Errors as
// ParseError; for an enumeration property the message lists its member names. An
// unknown property name is left for the put to refuse.
#include <string_view>

#include "apps/leddisplay/ScriptValue.h"

namespace led::apps {

ValueSpec ParsePropertyValue(std::string_view property, std::string_view text);

}  // namespace led::apps
