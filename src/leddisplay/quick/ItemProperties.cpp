// LEDDisplayItem's properties: those it shares with the widget from one list
// (HostAccessors.h), its pictures as URLs and fitToSize.
#include <QImage>
#include <utility>

#include "leddisplay/qt/HostAccessors.h"
#include "leddisplay/qt/Pictures.h"
#include "leddisplay/quick/ItemHosting.h"

namespace led::quick {

namespace {

// A picture from a local file or resource URL; none for an empty URL. A file that
// cannot be read is an invalid picture (481).
host::PicturePtr PictureOf(const QUrl& url) {
  if (url.isEmpty()) return nullptr;
  const QString path =
      url.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + url.path() : url.toLocalFile();
  const QImage image(path.isEmpty() ? url.toString() : path);
  if (image.isNull()) throw core::RuntimeError(core::kInvalidPicture);
  return qt::PictureFromImage(image);
}

}  // namespace

// ---- The properties ----------------------------------------------------------------

LEDDISPLAY_QT_DEFINE_HOST_ACCESSORS(LEDDisplayItem)

QUrl LEDDisplayItem::mouseIcon() const {
  return d_->control.MouseIcon() ? d_->mouseIcon : QUrl();
}
void LEDDisplayItem::setMouseIcon(const QUrl& icon) {
  // Kept first, so that the NOTIFY signal the set raises reads the new URL.
  const QUrl kept = std::exchange(d_->mouseIcon, icon);
  if (!d_->Guard([&] { d_->control.SetMouseIcon(PictureOf(icon)); })) d_->mouseIcon = kept;
}
QUrl LEDDisplayItem::pictureBackGround() const {
  return d_->control.PictureBackGround() ? d_->pictureBackGround : QUrl();
}
void LEDDisplayItem::setPictureBackGround(const QUrl& picture) {
  const QUrl kept = std::exchange(d_->pictureBackGround, picture);
  if (!d_->Guard([&] { d_->control.SetPictureBackGround(PictureOf(picture)); }))
    d_->pictureBackGround = kept;
}
bool LEDDisplayItem::fitToSize() const {
  return d_->fitToSize;
}
void LEDDisplayItem::setFitToSize(bool on) {
  if (on == d_->fitToSize) return;
  d_->fitToSize = on;
  d_->Fit();
  emit fitToSizeChanged(on);
}

}  // namespace led::quick
