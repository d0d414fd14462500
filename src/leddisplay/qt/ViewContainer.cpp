#include "leddisplay/qt/ViewContainer.h"

#include <QtMath>
#include <algorithm>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/qt/Conversions.h"

namespace led::qt {

ViewContainer::ViewContainer(HostView& view, std::function<float()> twipsPerPixel)
    : view_(view), twipsPerPixel_(std::move(twipsPerPixel)) {}

void ViewContainer::PropertyChanged(const std::string& name) {
  if (propertyChanged_) propertyChanged_(name);
}

void ViewContainer::RaiseEvent(int32_t dispid, const std::string&, std::span<host::EventArg> args) {
  if (event_) event_(dispid, args);
}

// A view's font the standard font object refuses (no family, say) must not stop the
// control's start: the platform's first font serves instead.
host::FontPtr ViewContainer::AmbientFont() {
  try {
    return FontFromQFont(view_.Font());
  } catch (const core::RuntimeError&) {
    return std::make_shared<platform::StdFont>();
  }
}

core::Variant ViewContainer::ExtenderProperty(const std::string& name) {
  if (core::EqualsIgnoringCase(name, "Left"))
    return core::Variant::FromSingle(float(view_.Geometry().x() + origin_.x() / ratio_) *
                                     twipsPerPixel_());
  if (core::EqualsIgnoringCase(name, "Top"))
    return core::Variant::FromSingle(float(view_.Geometry().y() + origin_.y() / ratio_) *
                                     twipsPerPixel_());
  throw core::RuntimeError(core::kNotSupported);
}

core::Variant ViewContainer::ParentProperty(const std::string& name) {
  if (core::EqualsIgnoringCase(name, "ScaleMode")) return core::Variant::FromInteger(1);
  if (core::EqualsIgnoringCase(name, "Picture")) return core::Variant::FromObject(ParentPicture());
  throw core::RuntimeError(core::kNotSupported);
}

void ViewContainer::SetBox(double ratio, QPoint origin) {
  origin_ = origin;
  if (ratio == ratio_) return;
  ratio_ = ratio;
  picture_ = nullptr;  // converted again at the new ratio
}

host::PicturePtr ViewContainer::ParentPicture() {
  const std::optional<HostView::Backdrop> parent = view_.ParentBackdrop();
  if (!parent) {
    pictureKey_ = {};
    picture_ = nullptr;
    return picture_;
  }
  const QBrush& window = parent->window;
  const QPixmap texture = window.texture();
  PictureKey key;
  if (!texture.isNull()) {
    key.texture = texture.cacheKey();
  } else {
    const QRect place = view_.Geometry();
    key.color = window.color().rgba();
    key.size = QSize(qCeil(std::max(parent->size.width(), place.right() + 1) * ratio_),
                     qCeil(std::max(parent->size.height(), place.bottom() + 1) * ratio_));
  }
  if (key == pictureKey_ && picture_) return picture_;
  pictureKey_ = key;
  if (!texture.isNull()) {
    // At the surface's pixels: enlarged without smoothing, as the parent paints it.
    QImage image = texture.toImage();
    const double scale = ratio_ / texture.devicePixelRatio();
    if (scale != 1)
      image = image.scaled(QSize(qRound(image.width() * scale), qRound(image.height() * scale)),
                           Qt::IgnoreAspectRatio, Qt::FastTransformation);
    picture_ = PictureFromImage(image);
  } else if (key.size.isEmpty() ||
             qint64(key.size.width()) * key.size.height() > platform::kMaxInnerPixels) {
    picture_ = nullptr;
  } else {
    picture_ = platform::BitmapPicture::FromImage(
        platform::Image(key.size.width(), key.size.height(), key.color));
  }
  return picture_;
}

}  // namespace led::qt
