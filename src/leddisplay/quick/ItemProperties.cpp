// LEDDisplayItem's properties: those it shares with the widget from one list
// (HostAccessors.h), its pictures as URLs, fitToSize and the property file.
#include <QtQml/qqml.h>
#include <QImage>
#include <QQmlContext>
#include <utility>

#include "leddisplay/qt/Conversions.h"
#include "leddisplay/qt/HostAccessors.h"
#include "leddisplay/qt/HostPropertyFile.h"
#include "leddisplay/quick/ItemHosting.h"

namespace led::quick {

namespace {

// A URL as QML resolves one (as Image.source does): a relative one against the QML file
// that made the item; ":/path" (a resource path written as a string) and absolute URLs
// as they are.
// A resource path written as a string: QUrl keeps it as its path (an invalid URL).
bool IsResourcePath(const QUrl& url) {
  return url.scheme().isEmpty() && url.path().startsWith(QLatin1Char(':'));
}

QUrl Resolved(const QQuickItem& item, const QUrl& url) {
  if (url.isEmpty() || !url.isRelative() || IsResourcePath(url)) return url;
  const QQmlContext* context = qmlContext(&item);
  return context ? context->resolvedUrl(url) : url;
}

// The file a resolved URL names: a local file, a resource (qrc:/path or :/path, as
// ":/path") or a plain path. Another kind of URL is refused with a path/file access
// error (75).
QString FileOf(const QUrl& url) {
  if (url.isLocalFile()) return url.toLocalFile();
  if (url.scheme() == QLatin1String("qrc")) return QLatin1Char(':') + url.path();
  if (IsResourcePath(url)) return url.path();
  const QString text = url.toString();
  if (url.scheme().isEmpty() && !text.isEmpty()) return text;
  throw core::RuntimeError(
      core::kFileAccess,
      "Path/File access error: '" + url.toString().toStdString() + "' is not a local file");
}

// A picture from a resolved URL; none for an empty URL. A file that cannot be read is an
// invalid picture (481), as is a URL that names no file.
host::PicturePtr PictureOf(const QUrl& url) {
  if (url.isEmpty()) return nullptr;
  QString path;
  try {
    path = FileOf(url);
  } catch (const core::RuntimeError&) {
    throw core::RuntimeError(core::kInvalidPicture);
  }
  const QImage image(path);
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
  if (!d_->GuardSet("mouseIcon", icon,
                    [&] { d_->control.SetMouseIcon(PictureOf(Resolved(*this, icon))); }))
    d_->mouseIcon = kept;
}
QUrl LEDDisplayItem::pictureBackGround() const {
  return d_->control.PictureBackGround() ? d_->pictureBackGround : QUrl();
}
void LEDDisplayItem::setPictureBackGround(const QUrl& picture) {
  const QUrl kept = std::exchange(d_->pictureBackGround, picture);
  if (!d_->GuardSet("pictureBackGround", picture,
                    [&] { d_->control.SetPictureBackGround(PictureOf(Resolved(*this, picture))); }))
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
  return d_->Guard([&] { qt::SaveHostProperties(d_->control, FileOf(Resolved(*this, file))); });
}

// Each property is compared after the load, also after a failed one, which keeps the
// values read before the fault.
bool LEDDisplayItem::loadProperties(const QUrl& file) {
  QString path;
  if (!d_->Guard([&] { path = FileOf(Resolved(*this, file)); })) return false;
  const host::PicturePtr icon = d_->control.MouseIcon();
  const host::PicturePtr picture = d_->control.PictureBackGround();
  bool loaded = false;
  {
    const qt::Notifications<LEDDisplayItem>::Hold hold(d_->notifications);
    loaded = d_->Guard([&] { qt::LoadHostProperties(d_->control, path); });
    if (d_->control.MouseIcon() != icon) d_->mouseIcon.clear();
    if (d_->control.PictureBackGround() != picture) d_->pictureBackGround.clear();
    d_->Guard([&] { qt::ShowLoaded(d_->control); });
  }
  d_->SyncGeometry();
  d_->Fit();
  d_->notifications.ChangeAll(*this, d_->control.OverRange());
  return loaded;
}

}  // namespace led::quick
