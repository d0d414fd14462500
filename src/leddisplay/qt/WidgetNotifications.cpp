// LEDDisplayWidget's NOTIFY signals. The control names a property when one of its setters
// ran, even one that set the value the property had; a load names none. So each watched
// property keeps the value last told, and its signal is emitted only when a read differs.
#include <QImage>
#include <cmath>
#include <iterator>
#include <type_traits>

#include "leddisplay/qt/WidgetHosting.h"

namespace led::qt {

namespace {

using W = LEDDisplayWidget;

template <class T>
bool Same(const T& a, const T& b) {
  return a == b;
}
// A NaN set again is no change.
bool Same(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}
// Pictures are read as new pixmaps each time: compared by their pixels.
bool Same(const QPixmap& a, const QPixmap& b) {
  return a.toImage() == b.toImage();
}

// Reads the property; when it differs from `told` (or nothing was told yet) keeps the new
// value and, when `tell`, emits the property's signal with it.
template <auto Get, auto Signal>
void Follow(W& widget, QVariant& told, bool tell) {
  const auto now = (widget.*Get)();
  using T = std::remove_cvref_t<decltype(now)>;
  if (told.isValid() && Same(told.value<T>(), now)) return;
  told = QVariant::fromValue(now);
  if (tell) emit(widget.*Signal)(now);
}

struct Watched {
  const char* name;  // the control's, as its notification gives it
  void (*follow)(W&, QVariant& told, bool tell);
};

constexpr Watched kWatched[] = {
    {"Value", Follow<&W::value, &W::valueChanged>},
    {"Appearance", Follow<&W::appearance, &W::appearanceChanged>},
    {"AutoSize", Follow<&W::autoSize, &W::autoSizeChanged>},
    {"BackGroundStyle", Follow<&W::backGroundStyle, &W::backGroundStyleChanged>},
    {"BackGroundG1", Follow<&W::backGroundG1, &W::backGroundG1Changed>},
    {"BackGroundG2", Follow<&W::backGroundG2, &W::backGroundG2Changed>},
    {"BorderStyle", Follow<&W::borderStyle, &W::borderStyleChanged>},
    {"CaptionLow", Follow<&W::captionLow, &W::captionLowChanged>},
    {"CaptionLowForeColor", Follow<&W::captionLowForeColor, &W::captionLowForeColorChanged>},
    {"CaptionLowPosition", Follow<&W::captionLowPosition, &W::captionLowPositionChanged>},
    {"CaptionLowFont", Follow<&W::captionLowFont, &W::captionLowFontChanged>},
    {"CaptionUpper", Follow<&W::captionUpper, &W::captionUpperChanged>},
    {"CaptionUpperForeColor", Follow<&W::captionUpperForeColor, &W::captionUpperForeColorChanged>},
    {"CaptionUpperPosition", Follow<&W::captionUpperPosition, &W::captionUpperPositionChanged>},
    {"CaptionUpperFont", Follow<&W::captionUpperFont, &W::captionUpperFontChanged>},
    {"Decimals", Follow<&W::decimals, &W::decimalsChanged>},
    {"DecimalPointSize", Follow<&W::decimalPointSize, &W::decimalPointSizeChanged>},
    {"MousePointer", Follow<&W::mousePointer, &W::mousePointerChanged>},
    {"MouseIcon", Follow<&W::mouseIcon, &W::mouseIconChanged>},
    {"PictureBackGround", Follow<&W::pictureBackGround, &W::pictureBackGroundChanged>},
    {"ShowAllDecimalPoints", Follow<&W::showAllDecimalPoints, &W::showAllDecimalPointsChanged>},
    {"Digits", Follow<&W::digits, &W::digitsChanged>},
    {"DigitWidth", Follow<&W::digitWidth, &W::digitWidthChanged>},
    {"DigitHeight", Follow<&W::digitHeight, &W::digitHeightChanged>},
    {"DigitLeftMargin", Follow<&W::digitLeftMargin, &W::digitLeftMarginChanged>},
    {"DigitUpperMargin", Follow<&W::digitUpperMargin, &W::digitUpperMarginChanged>},
    {"DigitSpacing", Follow<&W::digitSpacing, &W::digitSpacingChanged>},
    {"SegmentWidth", Follow<&W::segmentWidth, &W::segmentWidthChanged>},
    {"SegmentSeperation", Follow<&W::segmentSeparation, &W::segmentSeparationChanged>},
    {"LeadingZeros", Follow<&W::leadingZeros, &W::leadingZerosChanged>},
    {"LeadingPlusMinus", Follow<&W::leadingPlusMinus, &W::leadingPlusMinusChanged>},
    {"BackColor", Follow<&W::backColor, &W::backColorChanged>},
    {"OnColor", Follow<&W::onColor, &W::onColorChanged>},
    {"OffColor", Follow<&W::offColor, &W::offColorChanged>},
    {"Transparent", Follow<&W::transparent, &W::transparentChanged>},
    {"UseOverRange", Follow<&W::useOverRange, &W::useOverRangeChanged>},
};
constexpr size_t kWatchedCount = std::size(kWatched);

}  // namespace

void LEDDisplayWidget::Hosting::StartNotifying() {
  told.assign(kWatchedCount, QVariant());
  for (size_t i = 0; i < kWatchedCount; ++i) kWatched[i].follow(widget, told[i], false);
  overRange = control.OverRange();
}

void LEDDisplayWidget::Hosting::NotifyChange(const std::string& name) {
  if (told.empty()) return;  // the control's start: nothing told yet
  for (size_t i = 0; i < kWatchedCount; ++i) {
    if (name != kWatched[i].name) continue;
    kWatched[i].follow(widget, told[i], true);
    break;
  }
  FollowOverRange(name == "Value");
}

void LEDDisplayWidget::Hosting::NotifyChanges() {
  for (size_t i = 0; i < kWatchedCount; ++i) kWatched[i].follow(widget, told[i], true);
  FollowOverRange(false);
}

void LEDDisplayWidget::Hosting::FollowOverRange(bool valueSet) {
  const bool was = overRange;
  overRange = control.OverRange();
  if (overRange != was) emit widget.overRangeChanged(overRange);
  if (overRange && (!was || valueSet)) emit widget.overflow();
}

}  // namespace led::qt
