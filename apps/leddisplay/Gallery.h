#pragma once
// `leddisplay gallery`: one labelled picture of a dozen configurations of the control,
// for the README and the demo.
#include <string>

namespace led::apps {

// Writes the gallery PNG to `output`, creating its folder if missing; nothing else is
// left behind. Errors as core::RuntimeError.
void WriteGallery(const std::string& output);

}  // namespace led::apps
