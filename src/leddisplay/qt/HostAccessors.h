// Internal: not installed.
#pragma once
// The accessors the Qt hosts (the widget, the Qt Quick item) share, from one list.
// LEDDISPLAY_QT_DEFINE_HOST_ACCESSORS(Owner), in a source of the host class Owner,
// defines the getter and setter of each property in LEDDISPLAY_QT_HOST_PROPERTIES (PropertyList.h),
// then overRange, oleColor, setOleColor, shownText and the caption boxes. A getter runs the
// control's typed getter inside the host's guard and converts the value to its Qt type
// (HostValue); a setter converts and runs the control's typed setter inside the guard,
// so the control takes or refuses the value and a refusal, naming the property, reaches
// errorOccurred and the console. Owner's d_ is its FrontEndHost (FrontEndHost.h), whose
// Get, Guard and GuardSet these use.
#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <type_traits>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/qt/Conversions.h"
#include "leddisplay/qt/PropertyList.h"

namespace led::qt {

// The control's seven colour properties by index, for oleColor() and setOleColor():
// 0 BackColor, 1 OnColor, 2 OffColor, 3 BackGroundG1, 4 BackGroundG2,
// 5 CaptionLowForeColor, 6 CaptionUpperForeColor, the raw 32-bit value each way.
inline constexpr int kColorPropertyCount = 7;
// Whether `index` names one of the seven.
constexpr bool IsColorProperty(int index) {
  return index >= 0 && index < kColorPropertyCount;
}
// The colour at a valid index; a setter's errors pass to the caller.
core::OleColor ReadColorProperty(control::LEDDisplay& control, int index);
void WriteColorProperty(control::LEDDisplay& control, int index, core::OleColor color);

// A Qt type's conversions each way: ToQt from the control getter's value (a colour as
// `surface` draws it), FromQt to what the control's setter takes.
template <class T>
struct HostValue;
template <>
struct HostValue<double> {
  static double ToQt(double v, const platform::RasterSurface&) { return v; }
  static double FromQt(double v) { return v; }
};
template <>
struct HostValue<int> {
  static int ToQt(int32_t v, const platform::RasterSurface&) { return int(v); }
  static int FromQt(int v) { return v; }
};
template <>
struct HostValue<bool> {
  static bool ToQt(core::Boolean v, const platform::RasterSurface&) { return core::IsTrue(v); }
  static bool FromQt(bool v) { return v; }
};
// An enumeration holds any int (a fixed underlying type): the control refuses what names
// no member.
template <class E>
requires std::is_enum_v<E>
struct HostValue<E> {
  static E ToQt(int32_t v, const platform::RasterSurface&) { return E(v); }
  static int32_t FromQt(E v) { return int32_t(v); }
};
template <>
struct HostValue<QColor> {
  static QColor ToQt(core::OleColor v, const platform::RasterSurface& surface) {
    return ToQColor(v, surface);
  }
  static core::OleColor FromQt(const QColor& v) { return FromQColor(v); }
};
template <>
struct HostValue<QString> {
  static QString ToQt(const std::string& v, const platform::RasterSurface&) {
    return QString::fromStdString(v);
  }
  static std::string FromQt(const QString& v) { return v.toStdString(); }
};
// A font read back carries its size as a value, not as a choice the caller made: a QML
// grouped write of another size (`captionUpperFont.pixelSize: 20`) then replaces it
// without Qt's warning about a font given both a point and a pixel size.
template <>
struct HostValue<QFont> {
  static QFont ToQt(const host::FontPtr& v, const platform::RasterSurface&) {
    if (!v) return QFont();
    QFont font = ToQFont(*v);
    font.setResolveMask(font.resolveMask() & ~uint(QFont::SizeResolved));
    return font;
  }
  static host::FontPtr FromQt(const QFont& v) { return FontFromQFont(v); }
};

}  // namespace led::qt

// One row's getter and setter.
#define LEDDISPLAY_QT_HOST_ACCESSOR(Owner, Type, getter, setter, Name)                       \
  auto Owner::getter() const->Type {                                                         \
    return d_->Get(                                                                          \
        [&] { return ::led::qt::HostValue<Type>::ToQt(d_->control.Name(), d_->surface); });  \
  }                                                                                          \
  void Owner::setter(Type value) {                                                           \
    d_->GuardSet(#getter, QVariant::fromValue(value),                                        \
                 [&] { d_->control.Set##Name(::led::qt::HostValue<Type>::FromQt(value)); }); \
  }

// The colour's index is read once, as an int: the guarded work captures the int, not the
// enumeration, which may hold a value outside its members.
#define LEDDISPLAY_QT_DEFINE_HOST_ACCESSORS(Owner)                                          \
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_HOST_ACCESSOR, Owner)                         \
  bool Owner::overRange() const {                                                           \
    return d_->control.OverRange();                                                         \
  }                                                                                         \
  ::led::qt::enums::ValueBand Owner::valueBand() const {                                    \
    return ::led::qt::enums::ValueBand(int(d_->control.ValueBand()));                       \
  }                                                                                         \
  quint32 Owner::oleColor(ColorProperty which) const {                                      \
    const int index = which;                                                                \
    if (!::led::qt::IsColorProperty(index)) return 0;                                       \
    return d_->Get([&] { return ::led::qt::ReadColorProperty(d_->control, index); });       \
  }                                                                                         \
  bool Owner::setOleColor(ColorProperty which, quint32 color) {                             \
    const int index = which;                                                                \
    if (!::led::qt::IsColorProperty(index)) {                                               \
      emit errorOccurred(InvalidCall, QStringLiteral("Invalid procedure call or argument: " \
                                                     "no such colour property"));           \
      return false;                                                                         \
    }                                                                                       \
    return d_->Guard([&] { ::led::qt::WriteColorProperty(d_->control, index, color); });    \
  }                                                                                         \
  bool Owner::setCellSegments(int cell, int mask) {                                         \
    return d_->Guard([&] { d_->control.SetCellSegments(cell, mask); });                     \
  }                                                                                         \
  QString Owner::shownText() const {                                                        \
    return QString::fromStdString(d_->control.ShownText());                                 \
  }                                                                                         \
  QRect Owner::captionLowRect() const {                                                     \
    return d_->CaptionRect(d_->lowerCaption);                                               \
  }                                                                                         \
  QRect Owner::captionUpperRect() const {                                                   \
    return d_->CaptionRect(d_->upperCaption);                                               \
  }
