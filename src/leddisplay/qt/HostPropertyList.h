// Internal: not installed.
#pragma once
// The control properties the Qt hosts (the widget, the Qt Quick item) wrap alike, as one
// list for their accessors (HostAccessors.h) and NOTIFY tracking (Notifications.h); the
// pictures, whose Qt types differ between the hosts, are not in it. Each row is
// X(Owner, the Qt type (an enumeration named as in Owner), the getter, the setter, the
// control's name of the property); the NOTIFY signal is the getter's name + Changed.
// clang-format off
#define LEDDISPLAY_QT_HOST_PROPERTIES(X, Owner) \
  X(Owner, double, value, setValue, Value) \
  X(Owner, Appearance, appearance, setAppearance, Appearance) \
  X(Owner, bool, autoSize, setAutoSize, AutoSize) \
  X(Owner, BackGroundStyle, backGroundStyle, setBackGroundStyle, BackGroundStyle) \
  X(Owner, QColor, backGroundG1, setBackGroundG1, BackGroundG1) \
  X(Owner, QColor, backGroundG2, setBackGroundG2, BackGroundG2) \
  X(Owner, BorderStyle, borderStyle, setBorderStyle, BorderStyle) \
  X(Owner, QString, captionLow, setCaptionLow, CaptionLow) \
  X(Owner, QColor, captionLowForeColor, setCaptionLowForeColor, CaptionLowForeColor) \
  X(Owner, Position, captionLowPosition, setCaptionLowPosition, CaptionLowPosition) \
  X(Owner, QFont, captionLowFont, setCaptionLowFont, CaptionLowFont) \
  X(Owner, QString, captionUpper, setCaptionUpper, CaptionUpper) \
  X(Owner, QColor, captionUpperForeColor, setCaptionUpperForeColor, CaptionUpperForeColor) \
  X(Owner, Position, captionUpperPosition, setCaptionUpperPosition, CaptionUpperPosition) \
  X(Owner, QFont, captionUpperFont, setCaptionUpperFont, CaptionUpperFont) \
  X(Owner, int, decimals, setDecimals, Decimals) \
  X(Owner, int, decimalPointSize, setDecimalPointSize, DecimalPointSize) \
  X(Owner, int, mousePointer, setMousePointer, MousePointer) \
  X(Owner, bool, showAllDecimalPoints, setShowAllDecimalPoints, ShowAllDecimalPoints) \
  X(Owner, int, digits, setDigits, Digits) \
  X(Owner, int, digitWidth, setDigitWidth, DigitWidth) \
  X(Owner, int, digitHeight, setDigitHeight, DigitHeight) \
  X(Owner, int, digitLeftMargin, setDigitLeftMargin, DigitLeftMargin) \
  X(Owner, int, digitUpperMargin, setDigitUpperMargin, DigitUpperMargin) \
  X(Owner, int, digitSpacing, setDigitSpacing, DigitSpacing) \
  X(Owner, int, segmentWidth, setSegmentWidth, SegmentWidth) \
  X(Owner, int, segmentSeparation, setSegmentSeparation, SegmentSeperation) \
  X(Owner, bool, leadingZeros, setLeadingZeros, LeadingZeros) \
  X(Owner, bool, leadingPlusMinus, setLeadingPlusMinus, LeadingPlusMinus) \
  X(Owner, QColor, backColor, setBackColor, BackColor) \
  X(Owner, QColor, litColor, setLitColor, OnColor) \
  X(Owner, QColor, unlitColor, setUnlitColor, OffColor) \
  X(Owner, bool, transparent, setTransparent, Transparent) \
  X(Owner, bool, useOverRange, setUseOverRange, UseOverRange)
// clang-format on
