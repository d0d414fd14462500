#include "apps/leddisplay/RenderVector.h"

#include <memory>

#include "apps/leddisplay/HostedControl.h"
#include "leddisplay/platform/cairo/VectorFile.h"
#include "leddisplay/platform/cairo/VectorForm.h"

namespace led::apps {

namespace {

// The control drawn on a vector form, as RenderImage draws it on a raster one.
platform::Drawing Draw(const RenderOptions& options, HostedControl& hosted) {
  std::string scaled;
  PrepareRender(hosted, options, scaled);
  platform::Drawing drawing = static_cast<platform::VectorForm&>(hosted.Form()).Shapes();
  drawing.title = DisplayTitle(hosted.Control());
  return drawing;
}

}  // namespace

platform::Drawing RenderDrawing(const RenderOptions& options) {
  HostedControl hosted(std::make_unique<platform::VectorForm>());
  platform::Drawing drawing = Draw(options, hosted);
  if (options.save) hosted.SavePropertyFile(*options.save);
  return drawing;
}

std::vector<uint8_t> EncodeDrawing(const platform::Drawing& drawing,
                                   platform::SnapshotFormat format,
                                   const std::string& destination) {
  return platform::EncodeVector(drawing, format, destination);
}

std::vector<uint8_t> RenderVector(const RenderOptions& options, platform::SnapshotFormat format,
                                  const std::string& destination) {
  HostedControl hosted(std::make_unique<platform::VectorForm>());
  const std::vector<uint8_t> bytes = EncodeDrawing(Draw(options, hosted), format, destination);
  if (options.save) hosted.SavePropertyFile(*options.save);
  return bytes;
}

}  // namespace led::apps
