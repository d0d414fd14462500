// LEDDisplayWidget's properties: each calls the control's typed getter or setter inside
// the widget's guard, so conversions and refusals are the control's own.
#include <algorithm>
#include <cmath>
#include <limits>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "leddisplay/qt/ColorProperties.h"
#include "leddisplay/qt/Colors.h"
#include "leddisplay/qt/Fonts.h"
#include "leddisplay/qt/Pictures.h"
#include "leddisplay/qt/WidgetHosting.h"

namespace led::qt {

namespace {

using control::LEDDisplay;

// The widget's error numbers are the control's.
static_assert(int(LEDDisplayWidget::InvalidCall) == int(core::kInvalidCall));
static_assert(int(LEDDisplayWidget::Overflow) == int(core::kOverflow));
static_assert(int(LEDDisplayWidget::TypeMismatch) == int(core::kTypeMismatch));
static_assert(int(LEDDisplayWidget::FileNotFound) == int(core::kFileNotFound));
static_assert(int(LEDDisplayWidget::PathFileAccessError) == int(core::kFileAccess));
static_assert(int(LEDDisplayWidget::InvalidPropertyValue) == int(core::kInvalidPropertyValue));
static_assert(int(LEDDisplayWidget::InvalidPicture) == int(core::kInvalidPicture));
static_assert(int(LEDDisplayWidget::OutOfMemory) == kOutOfMemoryNumber);
static_assert(int(LEDDisplayWidget::InternalError) == kInternalErrorNumber);

QFont QFontOf(const host::FontPtr& font) {
  return font ? ToQFont(*font) : QFont();
}
QPixmap QPixmapOf(const host::PicturePtr& picture) {
  const QImage image = ToQImage(picture);
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
host::PicturePtr PictureOf(const QPixmap& pixmap) {
  return pixmap.isNull() ? nullptr : PictureFromImage(pixmap.toImage());
}

}  // namespace

// ---- The properties ----------------------------------------------------------------

double LEDDisplayWidget::value() const {
  return d_->control.Value();
}
void LEDDisplayWidget::setValue(double value) {
  d_->Guard([&] { d_->control.SetValue(value); });
}
LEDDisplayWidget::Appearance LEDDisplayWidget::appearance() const {
  return Appearance(d_->Get([&] { return d_->control.Appearance(); }));
}
// An enumeration setter reads the Qt enumeration's value once, as an int32_t, and the
// guarded work captures that: a value outside the members is the control's to refuse.
void LEDDisplayWidget::setAppearance(Appearance a) {
  d_->Guard([&, value = int32_t(a)] { d_->control.SetAppearance(value); });
}
bool LEDDisplayWidget::autoSize() const {
  return d_->Get([&] { return core::IsTrue(d_->control.AutoSize()); });
}
void LEDDisplayWidget::setAutoSize(bool on) {
  d_->Guard([&] { d_->control.SetAutoSize(on); });
}
LEDDisplayWidget::BackGroundStyle LEDDisplayWidget::backGroundStyle() const {
  return BackGroundStyle(d_->Get([&] { return d_->control.BackGroundStyle(); }));
}
void LEDDisplayWidget::setBackGroundStyle(BackGroundStyle style) {
  d_->Guard([&, value = int32_t(style)] { d_->control.SetBackGroundStyle(value); });
}
QColor LEDDisplayWidget::backGroundG1() const {
  return d_->Get([&] { return ToQColor(d_->control.BackGroundG1(), d_->surface); });
}
void LEDDisplayWidget::setBackGroundG1(const QColor& color) {
  d_->Guard([&] { d_->control.SetBackGroundG1(FromQColor(color)); });
}
QColor LEDDisplayWidget::backGroundG2() const {
  return d_->Get([&] { return ToQColor(d_->control.BackGroundG2(), d_->surface); });
}
void LEDDisplayWidget::setBackGroundG2(const QColor& color) {
  d_->Guard([&] { d_->control.SetBackGroundG2(FromQColor(color)); });
}
LEDDisplayWidget::BorderStyle LEDDisplayWidget::borderStyle() const {
  return BorderStyle(d_->Get([&] { return d_->control.BorderStyle(); }));
}
void LEDDisplayWidget::setBorderStyle(BorderStyle style) {
  d_->Guard([&, value = int32_t(style)] { d_->control.SetBorderStyle(value); });
}
QString LEDDisplayWidget::captionLow() const {
  return d_->Get([&] { return QString::fromStdString(d_->control.CaptionLow()); });
}
void LEDDisplayWidget::setCaptionLow(const QString& caption) {
  d_->Guard([&] { d_->control.SetCaptionLow(caption.toStdString()); });
}
QColor LEDDisplayWidget::captionLowForeColor() const {
  return d_->Get([&] { return ToQColor(d_->control.CaptionLowForeColor(), d_->surface); });
}
void LEDDisplayWidget::setCaptionLowForeColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetCaptionLowForeColor(FromQColor(color)); });
}
LEDDisplayWidget::Position LEDDisplayWidget::captionLowPosition() const {
  return Position(d_->Get([&] { return d_->control.CaptionLowPosition(); }));
}
void LEDDisplayWidget::setCaptionLowPosition(Position position) {
  d_->Guard([&, value = int32_t(position)] { d_->control.SetCaptionLowPosition(value); });
}
QFont LEDDisplayWidget::captionLowFont() const {
  return d_->Get([&] { return QFontOf(d_->control.CaptionLowFont()); });
}
void LEDDisplayWidget::setCaptionLowFont(const QFont& font) {
  d_->Guard([&] { d_->control.SetCaptionLowFont(FontFromQFont(font)); });
}
QString LEDDisplayWidget::captionUpper() const {
  return d_->Get([&] { return QString::fromStdString(d_->control.CaptionUpper()); });
}
void LEDDisplayWidget::setCaptionUpper(const QString& caption) {
  d_->Guard([&] { d_->control.SetCaptionUpper(caption.toStdString()); });
}
QColor LEDDisplayWidget::captionUpperForeColor() const {
  return d_->Get([&] { return ToQColor(d_->control.CaptionUpperForeColor(), d_->surface); });
}
void LEDDisplayWidget::setCaptionUpperForeColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetCaptionUpperForeColor(FromQColor(color)); });
}
LEDDisplayWidget::Position LEDDisplayWidget::captionUpperPosition() const {
  return Position(d_->Get([&] { return d_->control.CaptionUpperPosition(); }));
}
void LEDDisplayWidget::setCaptionUpperPosition(Position position) {
  d_->Guard([&, value = int32_t(position)] { d_->control.SetCaptionUpperPosition(value); });
}
QFont LEDDisplayWidget::captionUpperFont() const {
  return d_->Get([&] { return QFontOf(d_->control.CaptionUpperFont()); });
}
void LEDDisplayWidget::setCaptionUpperFont(const QFont& font) {
  d_->Guard([&] { d_->control.SetCaptionUpperFont(FontFromQFont(font)); });
}
int LEDDisplayWidget::decimals() const {
  return d_->Get([&] { return int(d_->control.Decimals()); });
}
void LEDDisplayWidget::setDecimals(int decimals) {
  d_->Guard([&] { d_->control.SetDecimals(decimals); });
}
int LEDDisplayWidget::decimalPointSize() const {
  return d_->Get([&] { return int(d_->control.DecimalPointSize()); });
}
void LEDDisplayWidget::setDecimalPointSize(int size) {
  d_->Guard([&] { d_->control.SetDecimalPointSize(size); });
}
int LEDDisplayWidget::mousePointer() const {
  return d_->Get([&] { return int(d_->control.MousePointer()); });
}
void LEDDisplayWidget::setMousePointer(int pointer) {
  d_->Guard([&] { d_->control.SetMousePointer(pointer); });
}
QPixmap LEDDisplayWidget::mouseIcon() const {
  return d_->Get([&] { return QPixmapOf(d_->control.MouseIcon()); });
}
void LEDDisplayWidget::setMouseIcon(const QPixmap& icon) {
  d_->Guard([&] { d_->control.SetMouseIcon(PictureOf(icon)); });
}
QPixmap LEDDisplayWidget::pictureBackGround() const {
  return d_->Get([&] { return QPixmapOf(d_->control.PictureBackGround()); });
}
void LEDDisplayWidget::setPictureBackGround(const QPixmap& picture) {
  d_->Guard([&] { d_->control.SetPictureBackGround(PictureOf(picture)); });
}
bool LEDDisplayWidget::showAllDecimalPoints() const {
  return d_->Get([&] { return core::IsTrue(d_->control.ShowAllDecimalPoints()); });
}
void LEDDisplayWidget::setShowAllDecimalPoints(bool show) {
  d_->Guard([&] { d_->control.SetShowAllDecimalPoints(show); });
}
int LEDDisplayWidget::digits() const {
  return d_->Get([&] { return int(d_->control.Digits()); });
}
void LEDDisplayWidget::setDigits(int digits) {
  d_->Guard([&] { d_->control.SetDigits(digits); });
}
int LEDDisplayWidget::digitWidth() const {
  return d_->Get([&] { return int(d_->control.DigitWidth()); });
}
void LEDDisplayWidget::setDigitWidth(int width) {
  d_->Guard([&] { d_->control.SetDigitWidth(width); });
}
int LEDDisplayWidget::digitHeight() const {
  return d_->Get([&] { return int(d_->control.DigitHeight()); });
}
void LEDDisplayWidget::setDigitHeight(int height) {
  d_->Guard([&] { d_->control.SetDigitHeight(height); });
}
int LEDDisplayWidget::digitLeftMargin() const {
  return d_->Get([&] { return int(d_->control.DigitLeftMargin()); });
}
void LEDDisplayWidget::setDigitLeftMargin(int margin) {
  d_->Guard([&] { d_->control.SetDigitLeftMargin(margin); });
}
int LEDDisplayWidget::digitUpperMargin() const {
  return d_->Get([&] { return int(d_->control.DigitUpperMargin()); });
}
void LEDDisplayWidget::setDigitUpperMargin(int margin) {
  d_->Guard([&] { d_->control.SetDigitUpperMargin(margin); });
}
int LEDDisplayWidget::digitSpacing() const {
  return d_->Get([&] { return int(d_->control.DigitSpacing()); });
}
void LEDDisplayWidget::setDigitSpacing(int spacing) {
  d_->Guard([&] { d_->control.SetDigitSpacing(spacing); });
}
int LEDDisplayWidget::segmentWidth() const {
  return d_->Get([&] { return int(d_->control.SegmentWidth()); });
}
void LEDDisplayWidget::setSegmentWidth(int width) {
  d_->Guard([&] { d_->control.SetSegmentWidth(width); });
}
int LEDDisplayWidget::segmentSeparation() const {
  return d_->Get([&] { return int(d_->control.SegmentSeperation()); });
}
void LEDDisplayWidget::setSegmentSeparation(int separation) {
  d_->Guard([&] { d_->control.SetSegmentSeperation(separation); });
}
bool LEDDisplayWidget::leadingZeros() const {
  return d_->Get([&] { return core::IsTrue(d_->control.LeadingZeros()); });
}
void LEDDisplayWidget::setLeadingZeros(bool on) {
  d_->Guard([&] { d_->control.SetLeadingZeros(on); });
}
bool LEDDisplayWidget::leadingPlusMinus() const {
  return d_->Get([&] { return core::IsTrue(d_->control.LeadingPlusMinus()); });
}
void LEDDisplayWidget::setLeadingPlusMinus(bool on) {
  d_->Guard([&] { d_->control.SetLeadingPlusMinus(on); });
}
QColor LEDDisplayWidget::backColor() const {
  return d_->Get([&] { return ToQColor(d_->control.BackColor(), d_->surface); });
}
void LEDDisplayWidget::setBackColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetBackColor(FromQColor(color)); });
}
QColor LEDDisplayWidget::onColor() const {
  return d_->Get([&] { return ToQColor(d_->control.OnColor(), d_->surface); });
}
void LEDDisplayWidget::setOnColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetOnColor(FromQColor(color)); });
}
QColor LEDDisplayWidget::offColor() const {
  return d_->Get([&] { return ToQColor(d_->control.OffColor(), d_->surface); });
}
void LEDDisplayWidget::setOffColor(const QColor& color) {
  d_->Guard([&] { d_->control.SetOffColor(FromQColor(color)); });
}
bool LEDDisplayWidget::transparent() const {
  return d_->Get([&] { return core::IsTrue(d_->control.Transparent()); });
}
void LEDDisplayWidget::setTransparent(bool on) {
  d_->Guard([&] { d_->control.SetTransparent(on); });
}
bool LEDDisplayWidget::useOverRange() const {
  return d_->Get([&] { return core::IsTrue(d_->control.UseOverRange()); });
}
void LEDDisplayWidget::setUseOverRange(bool on) {
  d_->Guard([&] { d_->control.SetUseOverRange(on); });
}
bool LEDDisplayWidget::overRange() const {
  return d_->control.OverRange();
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
  setValue(value);
}
void LEDDisplayWidget::display(int value) {
  setValue(value);
}

static_assert(LEDDisplayWidget::BackColor == 0 &&
                  LEDDisplayWidget::CaptionUpperForeColor + 1 == qt::kColorPropertyCount,
              "ColorProperty follows the shared colour table's order");

// The colour's index is read once, as an int: the guarded work captures the int, not the
// enumeration, which may hold a value outside its members.
quint32 LEDDisplayWidget::oleColor(ColorProperty which) const {
  const int index = which;
  if (!qt::IsColorProperty(index)) return 0;
  return d_->Get([&] { return qt::ReadColorProperty(d_->control, index); });
}

bool LEDDisplayWidget::setOleColor(ColorProperty which, quint32 color) {
  const int index = which;
  if (!qt::IsColorProperty(index)) {
    emit errorOccurred(InvalidCall, QStringLiteral("Invalid procedure call or argument: "
                                                   "no such colour property"));
    return false;
  }
  return d_->Guard([&] { qt::WriteColorProperty(d_->control, index, color); });
}

QString LEDDisplayWidget::shownText() const {
  return QString::fromStdString(d_->control.ShownText());
}

QRect LEDDisplayWidget::captionLowRect() const {
  return d_->CaptionRect(d_->lowerCaption);
}

QRect LEDDisplayWidget::captionUpperRect() const {
  return d_->CaptionRect(d_->upperCaption);
}

// ---- The property file -------------------------------------------------------------

bool LEDDisplayWidget::saveProperties(const QString& path) {
  return d_->Guard([&] {
    platform::MemoryPropertyBag bag;
    d_->control.WriteProperties(bag);
    platform::SavePropertyFile(path.toStdString(), bag);
  });
}

bool LEDDisplayWidget::loadProperties(const QString& path) {
  const bool loaded = d_->Guard([&] {
    platform::MemoryPropertyBag bag = platform::LoadPropertyFile(path.toStdString());
    d_->control.ReadProperties(bag);
  });
  // The load sets the control's members without laying out, drawing or naming them. As a
  // container does after a load, the layout (and the auto-size fit) runs, then a show;
  // each property is compared. Also after a failed load, which keeps the values read
  // before the fault.
  d_->Guard([&] {
    d_->control.Resize();
    d_->control.Show();
  });
  d_->SyncGeometry();
  d_->FollowSizeHint();
  d_->NotifyChanges();
  return loaded;
}

}  // namespace led::qt
