#pragma once
// SVG and PDF for `leddisplay render` and `gallery`, when the build has them (Cairo,
// LEDDISPLAY_VECTOR); a build without raises 5 from each, saying so.
#include <cstdint>
#include <string>
#include <vector>

#include "apps/leddisplay/RenderCommand.h"
#include "leddisplay/platform/vector/Drawing.h"
#include "leddisplay/platform/vector/SnapshotFormat.h"

namespace led::apps {

// The control as shapes (titled with DisplayTitle), drawn at DrawingZoom(options.scale);
// errors as for RunRender. Saves the property file when asked, after the drawing is made.
platform::Drawing RenderDrawing(const RenderOptions& options);
// A drawing's SVG or PDF bytes, each unit `scale` pixels, naming `destination` in errors
// (EncodeVector).
std::vector<uint8_t> EncodeDrawing(const platform::Drawing& drawing,
                                   platform::SnapshotFormat format, const std::string& destination,
                                   double scale = 1);
// The control's SVG or PDF bytes, at PageScale(options.scale) on the page: the drawing
// encoded before the property file is saved.
std::vector<uint8_t> RenderVector(const RenderOptions& options, platform::SnapshotFormat format,
                                  const std::string& destination);

}  // namespace led::apps
