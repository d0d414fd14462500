// LEDDisplayWidget's properties: each goes through the control's property table by its
// published name, so conversions and refusals are the control's own.
#include "leddisplay/control/Dispatch.h"
#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/control/ValueConversions.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/io/PropertyFile.h"
#include "leddisplay/qt/Colors.h"
#include "leddisplay/qt/Fonts.h"
#include "leddisplay/qt/Pictures.h"
#include "leddisplay/qt/ShownText.h"
#include "leddisplay/qt/WidgetHosting.h"

namespace led::qt {

namespace {

using core::Variant;

const control::PropertyDescription& Property(std::string_view name) {
  const control::PropertyDescription* property = control::FindProperty(control::GetIDOfName(name));
  if (!property) throw core::RuntimeError(core::kNotSupported);
  return *property;
}

constexpr std::string_view kColorNames[] = {"BackColor",
                                            "OnColor",
                                            "OffColor",
                                            "BackGroundG1",
                                            "BackGroundG2",
                                            "CaptionLowForeColor",
                                            "CaptionUpperForeColor"};

}  // namespace

// ---- Access through the table ------------------------------------------------------

Variant LEDDisplayWidget::Hosting::Get(std::string_view name) {
  Variant value;
  Guard([&] { value = Property(name).get(control); });
  return value;
}

void LEDDisplayWidget::Hosting::Set(std::string_view name, const Variant& value) {
  const control::PropertyDescription& property = Property(name);
  if (!property.set) throw core::RuntimeError(core::kNotSupported);
  property.set(control, value);
}

namespace {

// Typed reads of a Variant the table gave; an empty one (a failed read) reads as 0.
int AsInt(const Variant& v) {
  return v.IsEmpty() ? 0 : v.ToLong();
}
bool AsBool(const Variant& v) {
  return !v.IsEmpty() && core::IsTrue(v.ToBoolean());
}
QColor AsColor(const Variant& v) {
  return v.IsEmpty() ? QColor() : ToQColor(control::ToColor(v));
}
QFont AsFont(const Variant& v) {
  const host::FontPtr font = v.IsEmpty() ? nullptr : control::ToFont(v);
  return font ? ToQFont(*font) : QFont();
}
QPixmap AsPixmap(const Variant& v) {
  const QImage image = v.IsEmpty() ? QImage() : ToQImage(control::ToPicture(v));
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

auto Long(int v) {
  return [v] { return Variant::FromLong(v); };
}
auto Bool(bool v) {
  return [v] { return Variant::FromBoolean(core::ToBoolean(v)); };
}
auto Color(const QColor& c) {
  return [c] { return control::FromColor(FromQColor(c)); };
}
auto Font(const QFont& f) {
  return [f] { return Variant::FromObject(FontFromQFont(f)); };
}
auto Picture(const QPixmap& p) {
  return [p] { return Variant::FromObject(p.isNull() ? nullptr : PictureFromImage(p.toImage())); };
}
auto Text(const QString& s) {
  return [s] { return Variant::FromString(s.toStdString()); };
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
  return Appearance(AsInt(d_->Get("Appearance")));
}
void LEDDisplayWidget::setAppearance(Appearance a) {
  d_->Put("Appearance", Long(a));
}
bool LEDDisplayWidget::autoSize() const {
  return AsBool(d_->Get("AutoSize"));
}
void LEDDisplayWidget::setAutoSize(bool on) {
  d_->Put("AutoSize", Bool(on));
}
LEDDisplayWidget::BackGroundStyle LEDDisplayWidget::backGroundStyle() const {
  return BackGroundStyle(AsInt(d_->Get("BackGroundStyle")));
}
void LEDDisplayWidget::setBackGroundStyle(BackGroundStyle style) {
  d_->Put("BackGroundStyle", Long(style));
}
QColor LEDDisplayWidget::backGroundG1() const {
  return AsColor(d_->Get("BackGroundG1"));
}
void LEDDisplayWidget::setBackGroundG1(const QColor& color) {
  d_->Put("BackGroundG1", Color(color));
}
QColor LEDDisplayWidget::backGroundG2() const {
  return AsColor(d_->Get("BackGroundG2"));
}
void LEDDisplayWidget::setBackGroundG2(const QColor& color) {
  d_->Put("BackGroundG2", Color(color));
}
LEDDisplayWidget::BorderStyle LEDDisplayWidget::borderStyle() const {
  return BorderStyle(AsInt(d_->Get("BorderStyle")));
}
void LEDDisplayWidget::setBorderStyle(BorderStyle style) {
  d_->Put("BorderStyle", Long(style));
}
QString LEDDisplayWidget::captionLow() const {
  return QString::fromStdString(d_->lowerCaption.Caption());
}
void LEDDisplayWidget::setCaptionLow(const QString& caption) {
  d_->Put("CaptionLow", Text(caption));
}
QColor LEDDisplayWidget::captionLowForeColor() const {
  return AsColor(d_->Get("CaptionLowForeColor"));
}
void LEDDisplayWidget::setCaptionLowForeColor(const QColor& color) {
  d_->Put("CaptionLowForeColor", Color(color));
}
LEDDisplayWidget::Position LEDDisplayWidget::captionLowPosition() const {
  return Position(AsInt(d_->Get("CaptionLowPosition")));
}
void LEDDisplayWidget::setCaptionLowPosition(Position position) {
  d_->Put("CaptionLowPosition", Long(position));
}
QFont LEDDisplayWidget::captionLowFont() const {
  return AsFont(d_->Get("CaptionLowFont"));
}
void LEDDisplayWidget::setCaptionLowFont(const QFont& font) {
  d_->Put("CaptionLowFont", Font(font));
}
QString LEDDisplayWidget::captionUpper() const {
  return QString::fromStdString(d_->upperCaption.Caption());
}
void LEDDisplayWidget::setCaptionUpper(const QString& caption) {
  d_->Put("CaptionUpper", Text(caption));
}
QColor LEDDisplayWidget::captionUpperForeColor() const {
  return AsColor(d_->Get("CaptionUpperForeColor"));
}
void LEDDisplayWidget::setCaptionUpperForeColor(const QColor& color) {
  d_->Put("CaptionUpperForeColor", Color(color));
}
LEDDisplayWidget::Position LEDDisplayWidget::captionUpperPosition() const {
  return Position(AsInt(d_->Get("CaptionUpperPosition")));
}
void LEDDisplayWidget::setCaptionUpperPosition(Position position) {
  d_->Put("CaptionUpperPosition", Long(position));
}
QFont LEDDisplayWidget::captionUpperFont() const {
  return AsFont(d_->Get("CaptionUpperFont"));
}
void LEDDisplayWidget::setCaptionUpperFont(const QFont& font) {
  d_->Put("CaptionUpperFont", Font(font));
}
int LEDDisplayWidget::decimals() const {
  return AsInt(d_->Get("Decimals"));
}
void LEDDisplayWidget::setDecimals(int decimals) {
  d_->Put("Decimals", Long(decimals));
}
int LEDDisplayWidget::decimalPointSize() const {
  return AsInt(d_->Get("DecimalPointSize"));
}
void LEDDisplayWidget::setDecimalPointSize(int size) {
  d_->Put("DecimalPointSize", Long(size));
}
int LEDDisplayWidget::hWnd() const {
  return AsInt(d_->Get("hWnd"));
}
int LEDDisplayWidget::mousePointer() const {
  return AsInt(d_->Get("MousePointer"));
}
void LEDDisplayWidget::setMousePointer(int pointer) {
  d_->Put("MousePointer", Long(pointer));
}
QPixmap LEDDisplayWidget::mouseIcon() const {
  return AsPixmap(d_->Get("MouseIcon"));
}
void LEDDisplayWidget::setMouseIcon(const QPixmap& icon) {
  d_->Put("MouseIcon", Picture(icon));
}
QPixmap LEDDisplayWidget::pictureBackGround() const {
  return AsPixmap(d_->Get("PictureBackGround"));
}
void LEDDisplayWidget::setPictureBackGround(const QPixmap& picture) {
  d_->Put("PictureBackGround", Picture(picture));
}
bool LEDDisplayWidget::showAllDecimalPoints() const {
  return AsBool(d_->Get("ShowAllDecimalPoints"));
}
void LEDDisplayWidget::setShowAllDecimalPoints(bool show) {
  d_->Put("ShowAllDecimalPoints", Bool(show));
}
int LEDDisplayWidget::digits() const {
  return AsInt(d_->Get("Digits"));
}
void LEDDisplayWidget::setDigits(int digits) {
  d_->Put("Digits", Long(digits));
}
int LEDDisplayWidget::digitWidth() const {
  return AsInt(d_->Get("DigitWidth"));
}
void LEDDisplayWidget::setDigitWidth(int width) {
  d_->Put("DigitWidth", Long(width));
}
int LEDDisplayWidget::digitHeight() const {
  return AsInt(d_->Get("DigitHeight"));
}
void LEDDisplayWidget::setDigitHeight(int height) {
  d_->Put("DigitHeight", Long(height));
}
int LEDDisplayWidget::digitLeftMargin() const {
  return AsInt(d_->Get("DigitLeftMargin"));
}
void LEDDisplayWidget::setDigitLeftMargin(int margin) {
  d_->Put("DigitLeftMargin", Long(margin));
}
int LEDDisplayWidget::digitUpperMargin() const {
  return AsInt(d_->Get("DigitUpperMargin"));
}
void LEDDisplayWidget::setDigitUpperMargin(int margin) {
  d_->Put("DigitUpperMargin", Long(margin));
}
int LEDDisplayWidget::digitSpacing() const {
  return AsInt(d_->Get("DigitSpacing"));
}
void LEDDisplayWidget::setDigitSpacing(int spacing) {
  d_->Put("DigitSpacing", Long(spacing));
}
int LEDDisplayWidget::segmentWidth() const {
  return AsInt(d_->Get("SegmentWidth"));
}
void LEDDisplayWidget::setSegmentWidth(int width) {
  d_->Put("SegmentWidth", Long(width));
}
int LEDDisplayWidget::segmentSeparation() const {
  return AsInt(d_->Get("SegmentSeperation"));
}
void LEDDisplayWidget::setSegmentSeparation(int separation) {
  d_->Put("SegmentSeperation", Long(separation));
}
bool LEDDisplayWidget::leadingZeros() const {
  return AsBool(d_->Get("LeadingZeros"));
}
void LEDDisplayWidget::setLeadingZeros(bool on) {
  d_->Put("LeadingZeros", Bool(on));
}
bool LEDDisplayWidget::leadingPlusMinus() const {
  return AsBool(d_->Get("LeadingPlusMinus"));
}
void LEDDisplayWidget::setLeadingPlusMinus(bool on) {
  d_->Put("LeadingPlusMinus", Bool(on));
}
QColor LEDDisplayWidget::backColor() const {
  return AsColor(d_->Get("BackColor"));
}
void LEDDisplayWidget::setBackColor(const QColor& color) {
  d_->Put("BackColor", Color(color));
}
QColor LEDDisplayWidget::onColor() const {
  return AsColor(d_->Get("OnColor"));
}
void LEDDisplayWidget::setOnColor(const QColor& color) {
  d_->Put("OnColor", Color(color));
}
QColor LEDDisplayWidget::offColor() const {
  return AsColor(d_->Get("OffColor"));
}
void LEDDisplayWidget::setOffColor(const QColor& color) {
  d_->Put("OffColor", Color(color));
}
bool LEDDisplayWidget::transparent() const {
  return AsBool(d_->Get("Transparent"));
}
void LEDDisplayWidget::setTransparent(bool on) {
  d_->Put("Transparent", Bool(on));
}
bool LEDDisplayWidget::useOverRange() const {
  return AsBool(d_->Get("UseOverRange"));
}
void LEDDisplayWidget::setUseOverRange(bool on) {
  d_->Put("UseOverRange", Bool(on));
}
bool LEDDisplayWidget::overRange() const {
  return IsOverRange(d_->control.State());
}

quint32 LEDDisplayWidget::oleColor(ColorProperty which) const {
  if (which < BackColor || which > CaptionUpperForeColor) return 0;
  const Variant v = d_->Get(kColorNames[which]);
  return v.IsEmpty() ? 0 : control::ToColor(v);
}

bool LEDDisplayWidget::setOleColor(ColorProperty which, quint32 color) {
  if (which < BackColor || which > CaptionUpperForeColor) {
    emit errorOccurred(core::kInvalidCall, QStringLiteral("Invalid procedure call or argument: "
                                                          "no such colour property"));
    return false;
  }
  return d_->Put(kColorNames[which], [color] { return control::FromColor(color); });
}

QString LEDDisplayWidget::shownText() const {
  return QString::fromStdString(ShownText(d_->control.State()));
}

QRect LEDDisplayWidget::captionLowRect() const {
  const int border = d_->surface.BorderThickness();
  return d_->lowerCaption.PixelRect(border, border);
}

QRect LEDDisplayWidget::captionUpperRect() const {
  const int border = d_->surface.BorderThickness();
  return d_->upperCaption.PixelRect(border, border);
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
  return d_->Guard([&] {
    platform::MemoryPropertyBag bag = platform::LoadPropertyFile(path.toStdString());
    d_->control.ReadProperties(bag);
  });
}

}  // namespace led::qt
