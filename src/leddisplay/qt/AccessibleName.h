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

}  // namespace led::qt
