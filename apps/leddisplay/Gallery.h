#pragma once
// `leddisplay gallery`: one labelled picture of configurations of the control,
// for the README and the demo.
#include <optional>
#include <string>
#include <vector>

#include "apps/leddisplay/RenderCommand.h"

namespace led::apps {

// Writes the gallery to `output` ("-": standard output) as PNG, SVG or PDF, by `format`
// or the extension (OutputFormat), creating its folder if missing; nothing else is left
// behind. Errors as core::RuntimeError.
void WriteGallery(const std::string& output, const std::optional<std::string>& format = {});
// The render options of each example, in order: AutoSize first, twice the size, the
// container picture where it shows one.
std::vector<RenderOptions> GalleryOptions();

}  // namespace led::apps
