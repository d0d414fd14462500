#pragma once
/// @file
/// The enumerations of both Qt front ends, declared once, with one meta-object: the
/// widget (qt::LEDDisplayWidget) and the QML type LEDDisplay (quick::LEDDisplayItem)
/// name them as their own members, so that C++ and .ui files write
/// `LEDDisplayWidget::Gradient_V` and QML writes `LEDDisplay.Gradient_V`.
///
/// Each holds any int (a fixed underlying type): a number from a .ui file or
/// setProperty() that names no member reaches the control, whose rule takes or refuses
/// it.
#include <QObject>

#include "leddisplay/qt/Export.h"

/// The Qt front ends' shared enumerations, described above.
namespace led::qt::enums {
Q_NAMESPACE_EXPORT(LEDDISPLAY_QT_EXPORT)

/// The values of appearance, as the control's.
enum Appearance : int { Flat = 0, ThreeD = 1 };
Q_ENUM_NS(Appearance)

/// The values of borderStyle, as the control's.
enum BorderStyle : int { BorderNone = 0, FixedSingle = 1 };
Q_ENUM_NS(BorderStyle)

/// Where a caption sits: left, right or centre, as the control's.
enum Position : int { LeftPosition = 0, RightPosition = 1, CenterPosition = 2 };
Q_ENUM_NS(Position)

/// The values of backGroundStyle: the back colour, a vertical or a horizontal gradient,
/// as the control's.
enum BackGroundStyle : int { Standard = 0, Gradient_V = 1, Gradient_H = 2 };
Q_ENUM_NS(BackGroundStyle)

/// The colour properties, for oleColor() and setOleColor().
enum ColorProperty : int {
  BackColor,
  OnColor,
  OffColor,
  BackGroundG1,
  BackGroundG2,
  CaptionLowForeColor,
  CaptionUpperForeColor
};
Q_ENUM_NS(ColorProperty)

/// The error numbers errorOccurred reports, as the control's run-time errors.
enum ErrorNumber : int {
  InvalidCall = 5,             ///< "Invalid procedure call or argument"
  Overflow = 6,                ///< "Overflow": an int beyond 16 bits, say
  OutOfMemory = 7,             ///< "Out of memory"
  TypeMismatch = 13,           ///< "Type mismatch": a loaded value of the wrong type
  InternalError = 51,          ///< "Internal error": a fault in the front end
  FileNotFound = 53,           ///< "File not found"
  PathFileAccessError = 75,    ///< "Path/File access error"
  InvalidPropertyValue = 380,  ///< "Invalid property value": a refused value
  InvalidPicture = 481,        ///< "Invalid picture": a loaded picture that cannot be read
};
Q_ENUM_NS(ErrorNumber)

/// The cells' segments (segmentStyle): seven, fourteen or sixteen, as the control's.
enum SegmentStyle : int { Seven = 0, Fourteen = 1, Sixteen = 2 };
Q_ENUM_NS(SegmentStyle)

/// Where the value lies against lowLimit and highLimit (valueBand): below the low limit,
/// within the limits (a NaN value too, and any value while useLimits is off), or above the
/// high limit.
enum ValueBand : int { Below = -1, Within = 0, Above = 1 };
Q_ENUM_NS(ValueBand)

}  // namespace led::qt::enums
