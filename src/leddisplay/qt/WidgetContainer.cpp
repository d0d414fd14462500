#include "leddisplay/qt/WidgetContainer.h"

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/qt/Fonts.h"
#include "leddisplay/qt/Pictures.h"

namespace led::qt {

WidgetContainer::WidgetContainer(QWidget& widget, std::function<float()> twipsPerPixel)
    : widget_(widget), twipsPerPixel_(std::move(twipsPerPixel)) {}

void WidgetContainer::PropertyChanged(const std::string& name) {
  if (propertyChanged_) propertyChanged_(name);
}

void WidgetContainer::RaiseEvent(int32_t dispid, const std::string&,
                                 std::span<host::EventArg> args) {
  if (event_) event_(dispid, args);
}

// A widget font the standard font object refuses (no family, say) must not stop the
// control's start: the platform's first font serves instead.
host::FontPtr WidgetContainer::AmbientFont() {
  try {
    return FontFromQFont(widget_.font());
  } catch (const core::RuntimeError&) {
    return std::make_shared<platform::StdFont>();
  }
}

core::Variant WidgetContainer::ExtenderProperty(const std::string& name) {
  if (core::EqualsIgnoringCase(name, "Left"))
    return core::Variant::FromSingle(float(widget_.x()) * twipsPerPixel_());
  if (core::EqualsIgnoringCase(name, "Top"))
    return core::Variant::FromSingle(float(widget_.y()) * twipsPerPixel_());
  throw core::RuntimeError(core::kNotSupported);
}

core::Variant WidgetContainer::ParentProperty(const std::string& name) {
  if (core::EqualsIgnoringCase(name, "ScaleMode")) return core::Variant::FromInteger(1);
  if (core::EqualsIgnoringCase(name, "Picture")) return core::Variant::FromObject(ParentPicture());
  throw core::RuntimeError(core::kNotSupported);
}

host::PicturePtr WidgetContainer::ParentPicture() {
  const QWidget* parent = widget_.parentWidget();
  const QPixmap texture = parent ? parent->palette().window().texture() : QPixmap();
  if (texture.isNull()) {
    pictureKey_ = 0;
    picture_ = nullptr;
  } else if (texture.cacheKey() != pictureKey_ || !picture_) {
    picture_ = PictureFromImage(texture.toImage());
    pictureKey_ = texture.cacheKey();
  }
  return picture_;
}

}  // namespace led::qt
