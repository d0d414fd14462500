// Internal: not installed.
#pragma once
// What assistive tools hear as a display's name, in both front ends: the name the program
// or QML author gave (`given`) when not empty, else the captions that are not empty, upper
// then lower, joined by a space.
#include <QString>
#include <QStringList>

namespace led::qt {

inline QString AccessibleName(const QString& given, const QString& captionUpper,
                              const QString& captionLow) {
  if (!given.isEmpty()) return given;
  QStringList captions;
  if (!captionUpper.isEmpty()) captions << captionUpper;
  if (!captionLow.isEmpty()) captions << captionLow;
  return captions.join(QLatin1Char(' '));
}

// What assistive tools hear beside the shown text while the value is beyond a limit
// (`band` as valueBand: -1 below, 1 above); empty within the limits.
inline QString BandDescription(int band) {
  if (band < 0) return QStringLiteral("below the low limit");
  if (band > 0) return QStringLiteral("above the high limit");
  return QString();
}

}  // namespace led::qt
