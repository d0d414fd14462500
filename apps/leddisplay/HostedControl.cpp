#include "apps/leddisplay/HostedControl.h"

#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "leddisplay/platform/kit/DisabledLook.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::apps {

HostedControl::HostedControl(std::unique_ptr<platform::Form> form)
    : form_(std::move(form)), recorder_(form_->Host()), control_(recorder_.Host()) {
  form_->Surface().SetWidth(kStartWidth);
  form_->Surface().SetHeight(kStartHeight);
  form_->OnResize([this] { control_.Resize(); });
  platform::kit::ShowDisabledLook(control_, form_->Surface());
  form_->OnEvent([this](int32_t dispid, const std::string& name, std::span<host::EventArg> args) {
    if (handler_) handler_(dispid, name, args);
  });
}

void HostedControl::SetZoom(double zoom) {
  // The twips per pixel first: the surface refuses every zoom the control would (and
  // those too small or large for a float), before anything changes.
  form_->SetTwipsPerPixel(static_cast<float>(kTwipsPerPixel / zoom));
  form_->Surface().SetBorderZoom(zoom);
  control_.SetZoom(zoom);
  control_.Resize();
}

void HostedControl::LoadPropertyFile(const std::string& path) {
  platform::MemoryPropertyBag bag = platform::LoadPropertyFile(path);
  control_.ReadProperties(bag);
}

void HostedControl::SavePropertyFile(const std::string& path) {
  platform::MemoryPropertyBag bag;
  control_.WriteProperties(bag);
  platform::SavePropertyFile(path, bag);
}

}  // namespace led::apps
