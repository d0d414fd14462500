// Internal: not installed.
#pragma once
// The NOTIFY signals of a Qt host (the widget, the Qt Quick item), whose properties and
// signals bear the same names. The control names a property when one of its setters
// ran, even one that set the value the property had; a load names none. So each watched
// property keeps the value last told, and its signal is emitted only when a read
// differs. Start records the values as they are; Change emits the signal of the property
// the control named when its value differs from the one last told; ChangeAll does so for
// every property, for changes the control does not name (a load). Both then follow
// overRange: overRangeChanged when it changed, overflow when it became true or stays
// true for a value set anew.
#include <QImage>
#include <QPixmap>
#include <QVariant>
#include <cmath>
#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

namespace led::qt {

namespace notifications {

template <class T>
bool Same(const T& a, const T& b) {
  return a == b;
}
// A NaN set again is no change.
inline bool Same(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}
// Pictures are read as new pixmaps each time: compared by their pixels.
inline bool Same(const QPixmap& a, const QPixmap& b) {
  return a.toImage() == b.toImage();
}

// Reads the property; when it differs from `told` (or nothing was told yet) keeps the new
// value and, when `tell`, emits the property's signal with it.
template <class W, auto Get, auto Signal>
void Follow(W& host, QVariant& told, bool tell) {
  const auto now = (host.*Get)();
  using T = std::remove_cvref_t<decltype(now)>;
  if (told.isValid() && Same(told.value<T>(), now)) return;
  told = QVariant::fromValue(now);
  if (tell) emit(host.*Signal)(now);
}

template <class W>
struct Watched {
  const char* name;  // the control's, as its notification gives it
  void (*follow)(W&, QVariant& told, bool tell);
};

template <class W>
constexpr Watched<W> kWatched[] = {
    {"Value", Follow<W, &W::value, &W::valueChanged>},
    {"Appearance", Follow<W, &W::appearance, &W::appearanceChanged>},
    {"AutoSize", Follow<W, &W::autoSize, &W::autoSizeChanged>},
    {"BackGroundStyle", Follow<W, &W::backGroundStyle, &W::backGroundStyleChanged>},
    {"BackGroundG1", Follow<W, &W::backGroundG1, &W::backGroundG1Changed>},
    {"BackGroundG2", Follow<W, &W::backGroundG2, &W::backGroundG2Changed>},
    {"BorderStyle", Follow<W, &W::borderStyle, &W::borderStyleChanged>},
    {"CaptionLow", Follow<W, &W::captionLow, &W::captionLowChanged>},
    {"CaptionLowForeColor", Follow<W, &W::captionLowForeColor, &W::captionLowForeColorChanged>},
    {"CaptionLowPosition", Follow<W, &W::captionLowPosition, &W::captionLowPositionChanged>},
    {"CaptionLowFont", Follow<W, &W::captionLowFont, &W::captionLowFontChanged>},
    {"CaptionUpper", Follow<W, &W::captionUpper, &W::captionUpperChanged>},
    {"CaptionUpperForeColor",
     Follow<W, &W::captionUpperForeColor, &W::captionUpperForeColorChanged>},
    {"CaptionUpperPosition", Follow<W, &W::captionUpperPosition, &W::captionUpperPositionChanged>},
    {"CaptionUpperFont", Follow<W, &W::captionUpperFont, &W::captionUpperFontChanged>},
    {"Decimals", Follow<W, &W::decimals, &W::decimalsChanged>},
    {"DecimalPointSize", Follow<W, &W::decimalPointSize, &W::decimalPointSizeChanged>},
    {"MousePointer", Follow<W, &W::mousePointer, &W::mousePointerChanged>},
    {"MouseIcon", Follow<W, &W::mouseIcon, &W::mouseIconChanged>},
    {"PictureBackGround", Follow<W, &W::pictureBackGround, &W::pictureBackGroundChanged>},
    {"ShowAllDecimalPoints", Follow<W, &W::showAllDecimalPoints, &W::showAllDecimalPointsChanged>},
    {"Digits", Follow<W, &W::digits, &W::digitsChanged>},
    {"DigitWidth", Follow<W, &W::digitWidth, &W::digitWidthChanged>},
    {"DigitHeight", Follow<W, &W::digitHeight, &W::digitHeightChanged>},
    {"DigitLeftMargin", Follow<W, &W::digitLeftMargin, &W::digitLeftMarginChanged>},
    {"DigitUpperMargin", Follow<W, &W::digitUpperMargin, &W::digitUpperMarginChanged>},
    {"DigitSpacing", Follow<W, &W::digitSpacing, &W::digitSpacingChanged>},
    {"SegmentWidth", Follow<W, &W::segmentWidth, &W::segmentWidthChanged>},
    {"SegmentSeperation", Follow<W, &W::segmentSeparation, &W::segmentSeparationChanged>},
    {"LeadingZeros", Follow<W, &W::leadingZeros, &W::leadingZerosChanged>},
    {"LeadingPlusMinus", Follow<W, &W::leadingPlusMinus, &W::leadingPlusMinusChanged>},
    {"BackColor", Follow<W, &W::backColor, &W::backColorChanged>},
    {"OnColor", Follow<W, &W::onColor, &W::onColorChanged>},
    {"OffColor", Follow<W, &W::offColor, &W::offColorChanged>},
    {"Transparent", Follow<W, &W::transparent, &W::transparentChanged>},
    {"UseOverRange", Follow<W, &W::useOverRange, &W::useOverRangeChanged>},
};
}  // namespace notifications

template <class Host>
class Notifications {
 public:
  void Start(Host& host, bool overRange) {
    told_.assign(std::size(notifications::kWatched<Host>), QVariant());
    for (size_t i = 0; i < told_.size(); ++i)
      notifications::kWatched<Host>[i].follow(host, told_[i], false);
    overRange_ = overRange;
  }

  void Change(Host& host, const std::string& name, bool overRange) {
    if (told_.empty()) return;  // the control's start: nothing told yet
    for (size_t i = 0; i < told_.size(); ++i) {
      if (name != notifications::kWatched<Host>[i].name) continue;
      notifications::kWatched<Host>[i].follow(host, told_[i], true);
      break;
    }
    FollowOverRange(host, overRange, name == "Value");
  }

  void ChangeAll(Host& host, bool overRange) {
    for (size_t i = 0; i < told_.size(); ++i)
      notifications::kWatched<Host>[i].follow(host, told_[i], true);
    FollowOverRange(host, overRange, false);
  }

 private:
  void FollowOverRange(Host& host, bool now, bool valueSet) {
    const bool was = overRange_;
    overRange_ = now;
    if (now != was) emit host.overRangeChanged(now);
    if (now && (!was || valueSet)) emit host.overflow();
  }

  std::vector<QVariant> told_;  // per watched property, the value its signal last gave
  bool overRange_ = false;
};

}  // namespace led::qt
