#include "apps/leddisplay/HostedControl.h"

#include "platform/RasterSurface.h"

namespace led::apps {

HostedControl::HostedControl() : recorder_(form_.Host()), control_(recorder_.Host()) {
  form_.Surface().SetWidth(kStartWidth);
  form_.Surface().SetHeight(kStartHeight);
  form_.OnResize([this] { control_.Resize(); });
  form_.OnEvent([this](int32_t dispid, const std::string& name, std::span<host::EventArg> args) {
    if (handler_) handler_(dispid, name, args);
  });
}

}  // namespace led::apps
