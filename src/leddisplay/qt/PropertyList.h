#pragma once
/// @file
/// The control properties both Qt front ends (qt::LEDDisplayWidget, the Qt Quick item)
/// hold alike, as one list. Each row is X(Owner, Qt type, getter, setter, the control's
/// name of the property); the NOTIFY signal is the getter's name + Changed and carries
/// the new value. From the rows both front ends declare the Q_PROPERTY, the getter, the
/// setter and the signal (the macros below) and define the getter and setter (through
/// the control's typed getter and setter) and the signal's tracking. The pictures, whose
/// Qt types differ between the front ends, are not in it.
///
/// What each property is, in the control's terms (control::LEDDisplay has the rest):
/// - value: the number shown.
/// - appearance: Flat or ThreeD. autoSize: while on, the display takes the extent that
///   fits the digits and captions. backGroundStyle: the back colour or a gradient, from
///   backGroundG1 (bottom or left) to backGroundG2 (top or right). borderStyle: no border
///   or a single line.
/// - captionLow, captionUpper: the texts below and above the digits, each with its text
///   colour (...ForeColor), its place (...Position) and its font (...Font: name, size,
///   bold, italic, underline and strikethrough).
/// - decimals: digits after the decimal point; decimalPointSize: the point's height in
///   pixels; showAllDecimalPoints: every digit shows its point, unlit but the decimal
///   one.
/// - mousePointer: the cursor over the display: 0 none of its own (the parent's shows),
///   1 and 4 arrow, 2 cross, 3 I-beam, 5 and 15 size all, 6 size bdiag, 7 size ver,
///   8 size fdiag, 9 size hor, 10 up arrow, 11 wait, 12 forbidden, 13 busy, 14 what's
///   this, 99 the mouse icon (none of its own without one).
/// - digits: the number of digit cells; digitWidth, digitHeight: a cell's size;
///   digitLeftMargin: the first cell's left edge; digitUpperMargin: the digit row's top
///   margin; digitSpacing: the gap between cells; segmentWidth: a bar's thickness;
///   segmentSeparation: the gap at each end of the upright bars (the control's
///   SegmentSeperation). All in pixels.
/// - leadingZeros: zeros before the units digit are lit; leadingPlusMinus: the first
///   cell shows the sign.
/// - backColor: the colour behind the digits; litColor, unlitColor: the colours of lit
///   and unlit segments (the control's OnColor and OffColor).
/// - transparent: what is behind the display shows behind the digits.
/// - useOverRange: a value too long for the digits shows the over-range mark.
/// - flashCells: the cells that flash, a mask (bit 0 the rightmost cell, the sign cell
///   counted at its place; -1 the whole row); flashInterval: each phase's length in
///   milliseconds (50..10000); flashPhase: the phase shown, true the cells as they are,
///   false wholly unlit. The front end keeps time: while flashCells is not 0 and it is
///   shown, a timer turns flashPhase every flashInterval; no timer runs otherwise.
/// - useLimits: the lit parts take lowColor below lowLimit and highColor above highLimit;
///   a lowLimit above highLimit is refused.
/// - slant: how far the digits lean to the right, in degrees (0..20; 8 to 10 is the look
///   of real displays); the captions stay upright and autoSize widens the display.
/// - text: shown instead of the number while not empty, one cell a character, right-aligned
///   ("Err", "12:34" with a colon, "23.5°C"); a character without a glyph is a blank cell.
/// - segmentStyle: Seven, Fourteen or Sixteen segments a cell (the last two have every
///   upper-case letter, digit and common punctuation).
/// - segments: segments set by hand, one mask a cell from the left ("118,,121"), shown
///   until the value or the text changes; setCellSegments(cell, mask) sets one.
///
/// An int outside -32768..32767 is refused with 6 "Overflow". An enumeration is named
/// with its namespace (led::qt::enums), or Qt's meta-object does not see it as one.
// clang-format off
/// The rows, for X(Owner, Type, getter, setter, Name) over each.
#define LEDDISPLAY_QT_HOST_PROPERTIES(X, Owner) \
  X(Owner, double, value, setValue, Value) \
  X(Owner, led::qt::enums::Appearance, appearance, setAppearance, Appearance) \
  X(Owner, bool, autoSize, setAutoSize, AutoSize) \
  X(Owner, led::qt::enums::BackGroundStyle, backGroundStyle, setBackGroundStyle, BackGroundStyle) \
  X(Owner, QColor, backGroundG1, setBackGroundG1, BackGroundG1) \
  X(Owner, QColor, backGroundG2, setBackGroundG2, BackGroundG2) \
  X(Owner, led::qt::enums::BorderStyle, borderStyle, setBorderStyle, BorderStyle) \
  X(Owner, QString, captionLow, setCaptionLow, CaptionLow) \
  X(Owner, QColor, captionLowForeColor, setCaptionLowForeColor, CaptionLowForeColor) \
  X(Owner, led::qt::enums::Position, captionLowPosition, setCaptionLowPosition, CaptionLowPosition) \
  X(Owner, QFont, captionLowFont, setCaptionLowFont, CaptionLowFont) \
  X(Owner, QString, captionUpper, setCaptionUpper, CaptionUpper) \
  X(Owner, QColor, captionUpperForeColor, setCaptionUpperForeColor, CaptionUpperForeColor) \
  X(Owner, led::qt::enums::Position, captionUpperPosition, setCaptionUpperPosition, CaptionUpperPosition) \
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
  X(Owner, bool, useOverRange, setUseOverRange, UseOverRange) \
  X(Owner, int, flashCells, setFlashCells, FlashCells) \
  X(Owner, int, flashInterval, setFlashInterval, FlashInterval) \
  X(Owner, bool, flashPhase, setFlashPhase, FlashPhase) \
  X(Owner, bool, useLimits, setUseLimits, UseLimits) \
  X(Owner, double, lowLimit, setLowLimit, LowLimit) \
  X(Owner, double, highLimit, setHighLimit, HighLimit) \
  X(Owner, QColor, lowColor, setLowColor, LowColor) \
  X(Owner, QColor, highColor, setHighColor, HighColor) \
  X(Owner, double, slant, setSlant, Slant) \
  X(Owner, QString, text, setText, Text) \
  X(Owner, led::qt::enums::SegmentStyle, segmentStyle, setSegmentStyle, SegmentStyle) \
  X(Owner, QString, segments, setSegments, Segments)

// The declarations a front end's class makes from the rows, one macro per section:
// LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_GETTER, Owner) declares every
// getter. moc expands them as the compiler does.
/// A row's Q_PROPERTY line: READ the getter, WRITE the setter, NOTIFY getter + Changed.
#define LEDDISPLAY_QT_DECLARE_Q_PROPERTY(Owner, Type, getter, setter, Name) \
  Q_PROPERTY(Type getter READ getter WRITE setter NOTIFY getter##Changed)
/// The same, FINAL (the Qt Quick item's: QML's tools may rely on the type).
#define LEDDISPLAY_QT_DECLARE_FINAL_Q_PROPERTY(Owner, Type, getter, setter, Name) \
  Q_PROPERTY(Type getter READ getter WRITE setter NOTIFY getter##Changed FINAL)
/// A row's getter.
#define LEDDISPLAY_QT_DECLARE_GETTER(Owner, Type, getter, setter, Name) Type getter() const;
/// A row's setter. Setters and signals take the Qt type by value, so their normalized
/// signatures ("setCaptionLow(QString)") are what a .ui file's connection names.
#define LEDDISPLAY_QT_DECLARE_SETTER(Owner, Type, getter, setter, Name) void setter(Type value);
/// A row's NOTIFY signal, with the new value.
#define LEDDISPLAY_QT_DECLARE_SIGNAL(Owner, Type, getter, setter, Name) \
  void getter##Changed(Type value);
// clang-format on
