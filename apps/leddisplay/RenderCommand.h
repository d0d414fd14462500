#pragma once
// `leddisplay render`: one control on a form, drawn and written as PNG.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "leddisplay/host/Picture.h"
#include "leddisplay/platform/raster/Image.h"

namespace led::apps {

struct RenderOptions {
  std::optional<std::string> load;                        // property file to read
  std::vector<std::pair<std::string, std::string>> sets;  // NAME, VALUE text, in order
  int32_t width = 177, height = 63;                       // extent in pixels
  std::optional<std::string> containerPicture;            // PNG behind the control
  host::PicturePtr containerImage;                        // or a picture already made
  float left = 0, top = 0;                                // place in the container
  int32_t scale = 1;                                      // zoom of the geometry and fonts
  std::optional<std::string> save;                        // property file to write
  std::string output;                                     // PNG to write, "-": stdout
};

// The composed control, drawn at the scale; errors as for RunRender.
platform::Image RenderImage(const RenderOptions& options);

// Renders and writes the output; throws core::RuntimeError or ParseError with a
// message that names the property, value or file at fault.
void RunRender(const RenderOptions& options);

}  // namespace led::apps
