#include "apps/leddisplay/RenderVector.h"

#include <memory>

#include "apps/leddisplay/HostedControl.h"
#include "leddisplay/platform/cairo/VectorFile.h"
#include "leddisplay/platform/cairo/VectorForm.h"

namespace led::apps {

namespace {

// A control hosted on a vector form: the host owns the form, this keeps its type.
struct VectorHosted {
  std::unique_ptr<platform::VectorForm> owned = std::make_unique<platform::VectorForm>();
  platform::VectorForm& form = *owned;
  HostedControl hosted{std::move(owned)};
};

// The control drawn on a vector form, as RenderImage draws it on a raster one.
platform::Drawing Draw(const RenderOptions& options, VectorHosted& on) {
  std::string scaled;
  PrepareRender(on.hosted, options, scaled);
  platform::Drawing drawing = on.form.Shapes();
  drawing.title = DisplayTitle(on.hosted.Control());
  return drawing;
}

}  // namespace

platform::Drawing RenderDrawing(const RenderOptions& options) {
  VectorHosted on;
  platform::Drawing drawing = Draw(options, on);
  if (options.save) on.hosted.SavePropertyFile(*options.save);
  return drawing;
}

std::vector<uint8_t> EncodeDrawing(const platform::Drawing& drawing,
                                   platform::SnapshotFormat format,
                                   const std::string& destination) {
  return platform::EncodeVector(drawing, format, destination);
}

std::vector<uint8_t> RenderVector(const RenderOptions& options, platform::SnapshotFormat format,
                                  const std::string& destination) {
  VectorHosted on;
  const std::vector<uint8_t> bytes = EncodeDrawing(Draw(options, on), format, destination);
  if (options.save) on.hosted.SavePropertyFile(*options.save);
  return bytes;
}

}  // namespace led::apps
