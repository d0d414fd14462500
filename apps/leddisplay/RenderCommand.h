#pragma once
// `leddisplay render`: one control on a form, drawn and written as PNG, SVG or PDF.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/host/Picture.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/vector/SnapshotFormat.h"

namespace led::apps {

struct RenderOptions {
  std::optional<std::string> load;                        // property file to read
  std::vector<std::pair<std::string, std::string>> sets;  // NAME, VALUE text, in order
  int32_t width = 177, height = 63;                       // extent in pixels
  std::optional<std::string> containerPicture;            // PNG behind the control
  host::PicturePtr containerImage;                        // or a picture already made
  bool seeThrough = false;            // without a picture: the container is see-through
  float left = 0, top = 0;            // place in the container
  double scale = 1;                   // the size: DrawingZoom, PageScale
  std::optional<std::string> save;    // property file to write
  std::string output;                 // file to write, "-": stdout
  std::optional<std::string> format;  // png, svg or pdf; else by the output's extension
};

class HostedControl;

// The zoom the control is drawn at for a --scale (finite, above 0): the scale from 1 up,
// lengths and fonts drawn larger in whole pixels of the finer grid, every format alike;
// 1 below it, where only SVG and PDF go, made smaller on the page (PageScale) so that
// no length is rounded to a coarser grid.
double DrawingZoom(double scale);
// The CSS pixels of a drawing's unit on an SVG or PDF page for a --scale: the scale
// below 1, else 1 (the zoom has made the drawing larger).
double PageScale(double scale);

// The words a picture of the control is titled with: the upper caption, the text the
// cells show and the lower caption, those not empty, in that order.
std::string DisplayTitle(control::LEDDisplay& control);

// Sets up the control on `hosted` as the options say, at DrawingZoom(options.scale), and
// shows it; errors as for RunRender.
void PrepareRender(HostedControl& hosted, const RenderOptions& options);

// The composed control, drawn at the scale; errors as for RunRender, and 5 for a scale
// below 1 (a PNG is not drawn smaller than the display's own pixels).
platform::Image RenderImage(const RenderOptions& options);

// The format `name`d (png, svg or pdf), else by the output's extension (PNG for "-" and
// for none); an unknown one raises 5.
platform::SnapshotFormat OutputFormat(const std::string& output,
                                      const std::optional<std::string>& name);

// Writes a picture's bytes to `output` as the safe file writes do; "-": standard output.
void WriteOutput(const std::string& output, std::span<const uint8_t> bytes);

// Renders and writes the output; throws core::RuntimeError or ParseError with a
// message that names the property, value or file at fault.
void RunRender(const RenderOptions& options);

}  // namespace led::apps
