// LEDDisplayItem's properties: those it shares with the widget from one list
// (HostAccessors.h), its pictures as URLs, fitToSize and the property file.
#include <QImage>
#include <utility>

#include "leddisplay/qt/HostAccessors.h"
#include "leddisplay/qt/HostPropertyFile.h"
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

// The file a URL names: a local file URL or a plain path. Another kind of URL is refused
// with a path/file access error (75).
QString LocalFileOf(const QUrl& url) {
  if (url.isLocalFile()) return url.toLocalFile();
  if (url.scheme().isEmpty() && !url.path().isEmpty()) return url.path();
  throw core::RuntimeError(
      core::kFileAccess,
      "Path/File access error: '" + url.toString().toStdString() + "' is not a local file");
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

// ---- The property file -------------------------------------------------------------

bool LEDDisplayItem::saveProperties(const QUrl& file) {
  return d_->Guard([&] { qt::SaveHostProperties(d_->control, LocalFileOf(file)); });
}

// Each property is compared after the load, also after a failed one, which keeps the
// values read before the fault.
bool LEDDisplayItem::loadProperties(const QUrl& file) {
  QString path;
  if (!d_->Guard([&] { path = LocalFileOf(file); })) return false;
  const host::PicturePtr icon = d_->control.MouseIcon();
  const host::PicturePtr picture = d_->control.PictureBackGround();
  const bool loaded = d_->Guard([&] { qt::LoadHostProperties(d_->control, path); });
  if (d_->control.MouseIcon() != icon) d_->mouseIcon.clear();
  if (d_->control.PictureBackGround() != picture) d_->pictureBackGround.clear();
  d_->Guard([&] { qt::ShowLoaded(d_->control); });
  d_->SyncGeometry();
  d_->Fit();
  d_->notifications.ChangeAll(*this, d_->control.OverRange());
  return loaded;
}

}  // namespace led::quick
