// LEDDisplayWidget's properties: those it shares with the Qt Quick item from one list
// (HostAccessors.h), its pictures as pixmaps, QLCDNumber's calls and the property file.
#include <algorithm>
#include <cmath>
#include <limits>

#include "leddisplay/qt/Conversions.h"
#include "leddisplay/qt/HostAccessors.h"
#include "leddisplay/qt/HostPropertyFile.h"
#include "leddisplay/widgets/WidgetHosting.h"

namespace led::qt {

namespace {

using control::LEDDisplay;

QPixmap QPixmapOf(const host::PicturePtr& picture) {
  const QImage image = ToQImage(picture);
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
host::PicturePtr PictureOf(const QPixmap& pixmap) {
  return pixmap.isNull() ? nullptr : PictureFromImage(pixmap.toImage());
}

}  // namespace

// ---- The properties ----------------------------------------------------------------

LEDDISPLAY_QT_DEFINE_HOST_ACCESSORS(LEDDisplayWidget)

QPixmap LEDDisplayWidget::mouseIcon() const {
  return d_->Get([&] { return QPixmapOf(d_->control.MouseIcon()); });
}
void LEDDisplayWidget::setMouseIcon(const QPixmap& icon) {
  d_->GuardSet("mouseIcon", QVariant::fromValue(icon),
               [&] { d_->control.SetMouseIcon(PictureOf(icon)); });
}
QPixmap LEDDisplayWidget::pictureBackGround() const {
  return d_->Get([&] { return QPixmapOf(d_->control.PictureBackGround()); });
}
void LEDDisplayWidget::setPictureBackGround(const QPixmap& picture) {
  d_->GuardSet("pictureBackGround", QVariant::fromValue(picture),
               [&] { d_->control.SetPictureBackGround(PictureOf(picture)); });
}

// ---- As QLCDNumber's ---------------------------------------------------------------

int LEDDisplayWidget::intValue() const {
  const double v = std::round(value());
  if (std::isnan(v)) return 0;
  return int(
      std::clamp<double>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool LEDDisplayWidget::checkOverflow(double value) const {
  return d_->control.OverRangeFor(value);
}
bool LEDDisplayWidget::checkOverflow(int value) const {
  return checkOverflow(double(value));
}

void LEDDisplayWidget::display(double value) {
  setText(QString());
  setValue(value);
}
void LEDDisplayWidget::display(int value) {
  display(double(value));
}
void LEDDisplayWidget::display(const QString& text) {
  setText(text);
}

// ---- The property file -------------------------------------------------------------

bool LEDDisplayWidget::saveProperties(const QString& path) {
  return d_->Guard([&] { SaveHostProperties(d_->control, path); });
}

// Each property is compared after the load, also after a failed one, which keeps the
// values read before the fault.
bool LEDDisplayWidget::loadProperties(const QString& path) {
  bool loaded = false;
  {
    const Notifications<LEDDisplayWidget>::Hold hold(d_->notifications);
    loaded = d_->Guard([&] { LoadHostProperties(d_->control, path); });
    d_->Guard([&] { ShowLoaded(d_->control); });
  }
  d_->SyncGeometry();
  d_->FollowSizeHint();
  d_->notifications.ChangeAll(*this, d_->control.OverRange());
  return loaded;
}

}  // namespace led::qt
