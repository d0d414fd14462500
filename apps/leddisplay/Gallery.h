#pragma once
// `leddisplay gallery`: one labelled picture of a dozen configurations of the control,
// for the README and the demo.
#include <string>

namespace led::apps {

// Writes the gallery PNG to `output`; the container picture used by the transparent
// example is written beside it. Errors as core::RuntimeError.
void WriteGallery(const std::string& output);

}  // namespace led::apps
