// LEDDisplayItem's properties: each calls the control's typed getter or setter inside
// the item's guard, so conversions and refusals are the control's own.
#include <QImage>
#include <utility>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/qt/ColorProperties.h"
#include "leddisplay/qt/Colors.h"
#include "leddisplay/qt/Fonts.h"
#include "leddisplay/qt/Pictures.h"
#include "leddisplay/quick/ItemHosting.h"

namespace led::quick {

namespace {

using control::LEDDisplay;
using qt::FontFromQFont;
using qt::FromQColor;
using qt::ToQColor;

QFont QFontOf(const host::FontPtr& font) {
  return font ? qt::ToQFont(*font) : QFont();
}

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

double LEDDisplayItem::value() const {
  return d_->control.Value();
}
void LEDDisplayItem::setValue(double value) {
  d_->Guard([&] { d_->control.SetValue(value); });
}
LEDDisplayItem::Appearance LEDDisplayItem::appearance() const {
  return Appearance(d_->Get([&] { return d_->control.Appearance(); }));
}
// An enumeration setter reads the Qt enumeration's value once, as an int32_t, and the
// guarded work captures that: a value outside the members is the control's to refuse.
void LEDDisplayItem::setAppearance(Appearance a) {
  d_->Guard([&, value = int32_t(a)] { d_->control.SetAppearance(value); });
}
bool LEDDisplayItem::autoSize() const {
  return d_->Get([&] { return core::IsTrue(d_->control.AutoSize()); });
}
void LEDDisplayItem::setAutoSize(bool on) {
  d_->Guard([&] { d_->control.SetAutoSize(on); });
}
LEDDisplayItem::BackGroundStyle LEDDisplayItem::backGroundStyle() const {
  return BackGroundStyle(d_->Get([&] { return d_->control.BackGroundStyle(); }));
}
void LEDDisplayItem::setBackGroundStyle(BackGroundStyle style) {
  d_->Guard([&, value = int32_t(style)] { d_->control.SetBackGroundStyle(value); });
}
QColor LEDDisplayItem::backGroundG1() const {
  return d_->Get([&] { return ToQColor(d_->control.BackGroundG1(), d_->surface); });
}
void LEDDisplayItem::setBackGroundG1(const QColor& color) {
  d_->Guard([&] { d_->control.SetBackGroundG1(FromQColor(color)); });
}
QColor LEDDisplayItem::backGroundG2() const {
  return d_->Get([&] { return ToQColor(d_->control.BackGroundG2(), d_->surface); });
}
void LEDDisplayItem::setBackGroundG2(const QColor& color) {
  d_->Guard([&] { d_->control.SetBackGroundG2(FromQColor(color)); });
}
LEDDisplayItem::BorderStyle LEDDisplayItem::borderStyle() const {
  return BorderStyle(d_->Get([&] { return d_->control.BorderStyle(); }));
}
void LEDDisplayItem::setBorderStyle(BorderStyle style) {
  d_->Guard([&, value = int32_t(style)] { d_->control.SetBorderStyle(value); });
}
QString LEDDisplayItem::captionLow() const {
  return d_->Get([&] { return QString::fromStdString(d_->control.CaptionLow()); });
}
void LEDDisplayItem::setCaptionLow(const QString& caption) {
  d_->Guard([&] { d_->control.SetCaptionLow(caption.toStdString()); });
}
QColor LEDDisplayItem::captionLowForeColor() const {
  return d_->Get([&] { return ToQColor(d_->control.CaptionLowForeColor(), d_->surface); });
}
void LEDDisplayItem::setCaptionLowForeColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetCaptionLowForeColor(FromQColor(color)); });
}
LEDDisplayItem::Position LEDDisplayItem::captionLowPosition() const {
  return Position(d_->Get([&] { return d_->control.CaptionLowPosition(); }));
}
void LEDDisplayItem::setCaptionLowPosition(Position position) {
  d_->Guard([&, value = int32_t(position)] { d_->control.SetCaptionLowPosition(value); });
}
QFont LEDDisplayItem::captionLowFont() const {
  return d_->Get([&] { return QFontOf(d_->control.CaptionLowFont()); });
}
void LEDDisplayItem::setCaptionLowFont(const QFont& font) {
  d_->Guard([&] { d_->control.SetCaptionLowFont(FontFromQFont(font)); });
}
QString LEDDisplayItem::captionUpper() const {
  return d_->Get([&] { return QString::fromStdString(d_->control.CaptionUpper()); });
}
void LEDDisplayItem::setCaptionUpper(const QString& caption) {
  d_->Guard([&] { d_->control.SetCaptionUpper(caption.toStdString()); });
}
QColor LEDDisplayItem::captionUpperForeColor() const {
  return d_->Get([&] { return ToQColor(d_->control.CaptionUpperForeColor(), d_->surface); });
}
void LEDDisplayItem::setCaptionUpperForeColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetCaptionUpperForeColor(FromQColor(color)); });
}
LEDDisplayItem::Position LEDDisplayItem::captionUpperPosition() const {
  return Position(d_->Get([&] { return d_->control.CaptionUpperPosition(); }));
}
void LEDDisplayItem::setCaptionUpperPosition(Position position) {
  d_->Guard([&, value = int32_t(position)] { d_->control.SetCaptionUpperPosition(value); });
}
QFont LEDDisplayItem::captionUpperFont() const {
  return d_->Get([&] { return QFontOf(d_->control.CaptionUpperFont()); });
}
void LEDDisplayItem::setCaptionUpperFont(const QFont& font) {
  d_->Guard([&] { d_->control.SetCaptionUpperFont(FontFromQFont(font)); });
}
int LEDDisplayItem::decimals() const {
  return d_->Get([&] { return int(d_->control.Decimals()); });
}
void LEDDisplayItem::setDecimals(int decimals) {
  d_->Guard([&] { d_->control.SetDecimals(decimals); });
}
int LEDDisplayItem::decimalPointSize() const {
  return d_->Get([&] { return int(d_->control.DecimalPointSize()); });
}
void LEDDisplayItem::setDecimalPointSize(int size) {
  d_->Guard([&] { d_->control.SetDecimalPointSize(size); });
}
int LEDDisplayItem::mousePointer() const {
  return d_->Get([&] { return int(d_->control.MousePointer()); });
}
void LEDDisplayItem::setMousePointer(int pointer) {
  d_->Guard([&] { d_->control.SetMousePointer(pointer); });
}
bool LEDDisplayItem::showAllDecimalPoints() const {
  return d_->Get([&] { return core::IsTrue(d_->control.ShowAllDecimalPoints()); });
}
void LEDDisplayItem::setShowAllDecimalPoints(bool show) {
  d_->Guard([&] { d_->control.SetShowAllDecimalPoints(show); });
}
int LEDDisplayItem::digits() const {
  return d_->Get([&] { return int(d_->control.Digits()); });
}
void LEDDisplayItem::setDigits(int digits) {
  d_->Guard([&] { d_->control.SetDigits(digits); });
}
int LEDDisplayItem::digitWidth() const {
  return d_->Get([&] { return int(d_->control.DigitWidth()); });
}
void LEDDisplayItem::setDigitWidth(int width) {
  d_->Guard([&] { d_->control.SetDigitWidth(width); });
}
int LEDDisplayItem::digitHeight() const {
  return d_->Get([&] { return int(d_->control.DigitHeight()); });
}
void LEDDisplayItem::setDigitHeight(int height) {
  d_->Guard([&] { d_->control.SetDigitHeight(height); });
}
int LEDDisplayItem::digitLeftMargin() const {
  return d_->Get([&] { return int(d_->control.DigitLeftMargin()); });
}
void LEDDisplayItem::setDigitLeftMargin(int margin) {
  d_->Guard([&] { d_->control.SetDigitLeftMargin(margin); });
}
int LEDDisplayItem::digitUpperMargin() const {
  return d_->Get([&] { return int(d_->control.DigitUpperMargin()); });
}
void LEDDisplayItem::setDigitUpperMargin(int margin) {
  d_->Guard([&] { d_->control.SetDigitUpperMargin(margin); });
}
int LEDDisplayItem::digitSpacing() const {
  return d_->Get([&] { return int(d_->control.DigitSpacing()); });
}
void LEDDisplayItem::setDigitSpacing(int spacing) {
  d_->Guard([&] { d_->control.SetDigitSpacing(spacing); });
}
int LEDDisplayItem::segmentWidth() const {
  return d_->Get([&] { return int(d_->control.SegmentWidth()); });
}
void LEDDisplayItem::setSegmentWidth(int width) {
  d_->Guard([&] { d_->control.SetSegmentWidth(width); });
}
int LEDDisplayItem::segmentSeparation() const {
  return d_->Get([&] { return int(d_->control.SegmentSeperation()); });
}
void LEDDisplayItem::setSegmentSeparation(int separation) {
  d_->Guard([&] { d_->control.SetSegmentSeperation(separation); });
}
bool LEDDisplayItem::leadingZeros() const {
  return d_->Get([&] { return core::IsTrue(d_->control.LeadingZeros()); });
}
void LEDDisplayItem::setLeadingZeros(bool on) {
  d_->Guard([&] { d_->control.SetLeadingZeros(on); });
}
bool LEDDisplayItem::leadingPlusMinus() const {
  return d_->Get([&] { return core::IsTrue(d_->control.LeadingPlusMinus()); });
}
void LEDDisplayItem::setLeadingPlusMinus(bool on) {
  d_->Guard([&] { d_->control.SetLeadingPlusMinus(on); });
}
QColor LEDDisplayItem::backColor() const {
  return d_->Get([&] { return ToQColor(d_->control.BackColor(), d_->surface); });
}
void LEDDisplayItem::setBackColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetBackColor(FromQColor(color)); });
}
QColor LEDDisplayItem::onColor() const {
  return d_->Get([&] { return ToQColor(d_->control.OnColor(), d_->surface); });
}
void LEDDisplayItem::setOnColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetOnColor(FromQColor(color)); });
}
QColor LEDDisplayItem::offColor() const {
  return d_->Get([&] { return ToQColor(d_->control.OffColor(), d_->surface); });
}
void LEDDisplayItem::setOffColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetOffColor(FromQColor(color)); });
}
bool LEDDisplayItem::transparent() const {
  return d_->Get([&] { return core::IsTrue(d_->control.Transparent()); });
}
void LEDDisplayItem::setTransparent(bool on) {
  d_->Guard([&] { d_->control.SetTransparent(on); });
}
bool LEDDisplayItem::useOverRange() const {
  return d_->Get([&] { return core::IsTrue(d_->control.UseOverRange()); });
}
void LEDDisplayItem::setUseOverRange(bool on) {
  d_->Guard([&] { d_->control.SetUseOverRange(on); });
}
bool LEDDisplayItem::overRange() const {
  return d_->control.OverRange();
}

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

// ---- Read-outs ---------------------------------------------------------------------

static_assert(LEDDisplayItem::BackColor == 0 &&
                  LEDDisplayItem::CaptionUpperForeColor + 1 == qt::kColorPropertyCount,
              "ColorProperty follows the shared colour table's order");

// The colour's index is read once, as an int: the guarded work captures the int, not the
// enumeration, which may hold a value outside its members.
quint32 LEDDisplayItem::oleColor(ColorProperty which) const {
  const int index = which;
  if (!qt::IsColorProperty(index)) return 0;
  return d_->Get([&] { return qt::ReadColorProperty(d_->control, index); });
}

bool LEDDisplayItem::setOleColor(ColorProperty which, quint32 color) {
  const int index = which;
  if (!qt::IsColorProperty(index)) {
    emit errorOccurred(InvalidCall, QStringLiteral("Invalid procedure call or argument: "
                                                   "no such colour property"));
    return false;
  }
  return d_->Guard([&] { qt::WriteColorProperty(d_->control, index, color); });
}

QString LEDDisplayItem::shownText() const {
  return QString::fromStdString(d_->control.ShownText());
}

QRect LEDDisplayItem::captionLowRect() const {
  return d_->CaptionRect(d_->lowerCaption);
}

QRect LEDDisplayItem::captionUpperRect() const {
  return d_->CaptionRect(d_->upperCaption);
}

}  // namespace led::quick
