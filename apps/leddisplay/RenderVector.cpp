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
  PrepareRender(on.hosted, options);
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
                                   platform::SnapshotFormat format, const std::string& destination,
                                   double scale) {
  return platform::EncodeVector(drawing, format, destination, scale);
}

std::vector<uint8_t> RenderVector(const RenderOptions& options, platform::SnapshotFormat format,
                                  const std::string& destination) {
  VectorHosted on;
  const std::vector<uint8_t> bytes =
      EncodeDrawing(Draw(options, on), format, destination, PageScale(options.scale));
  if (options.save) on.hosted.SavePropertyFile(*options.save);
  return bytes;
}

}  // namespace led::apps
