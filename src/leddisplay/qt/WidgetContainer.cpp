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
    return core::Variant::FromSingle(float(widget_.x() + origin_.x() / ratio_) * twipsPerPixel_());
  if (core::EqualsIgnoringCase(name, "Top"))
    return core::Variant::FromSingle(float(widget_.y() + origin_.y() / ratio_) * twipsPerPixel_());
  throw core::RuntimeError(core::kNotSupported);
}

core::Variant WidgetContainer::ParentProperty(const std::string& name) {
  if (core::EqualsIgnoringCase(name, "ScaleMode")) return core::Variant::FromInteger(1);
  if (core::EqualsIgnoringCase(name, "Picture")) return core::Variant::FromObject(ParentPicture());
  throw core::RuntimeError(core::kNotSupported);
}

void WidgetContainer::SetBox(double ratio, QPoint origin) {
  origin_ = origin;
  if (ratio == ratio_) return;
  ratio_ = ratio;
  picture_ = nullptr;  // converted again at the new ratio
}

host::PicturePtr WidgetContainer::ParentPicture() {
  const QWidget* parent = widget_.parentWidget();
  const QPixmap texture = parent ? parent->palette().window().texture() : QPixmap();
  if (texture.isNull()) {
    pictureKey_ = 0;
    picture_ = nullptr;
  } else if (texture.cacheKey() != pictureKey_ || !picture_) {
    QImage image = texture.toImage();
    const double scale = ratio_ / texture.devicePixelRatio();
    if (scale != 1)
      image = image.scaled(QSize(qRound(image.width() * scale), qRound(image.height() * scale)),
                           Qt::IgnoreAspectRatio, Qt::FastTransformation);
    picture_ = PictureFromImage(image);
    pictureKey_ = texture.cacheKey();
  }
  return picture_;
}

}  // namespace led::qt
