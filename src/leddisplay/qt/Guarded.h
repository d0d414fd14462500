// Internal: not installed.
#pragma once
// Runs a call into the control so that no exception leaves a Qt host: a run-time error,
// a failed allocation or any other exception is reported as (number, description), as
// the hosts' errorOccurred signals give it. True when the call completed.
#include <QDebug>
#include <QString>
#include <QVariant>
#include <exception>
#include <new>

#include "leddisplay/core/RuntimeError.h"

namespace led::qt {

// The numbers of the two failures that are not the control's run-time errors.
constexpr int kOutOfMemoryNumber = 7, kInternalErrorNumber = 51;

template <class Work, class Report>
bool Guarded(Work&& work, Report&& report) {
  try {
    work();
    return true;
  } catch (const core::RuntimeError& e) {
    report(int(e.number()), QString::fromStdString(e.description()));
  } catch (const std::bad_alloc&) {
    report(kOutOfMemoryNumber, QStringLiteral("Out of memory"));
  } catch (const std::exception& e) {
    report(kInternalErrorNumber, QStringLiteral("Internal error: ") + QString::fromUtf8(e.what()));
  }
  return false;
}

// A refused property value in words. The description errorOccurred gives names the
// property ("digits: Overflow"); the console warning also gives the value and the number
// ("digits: 99999 refused: Overflow (6)"), as QDebug prints the value.
inline QString RefusedDescription(const char* property, const QString& description) {
  return QLatin1String(property) + QStringLiteral(": ") + description;
}
inline QString RefusalWarning(const char* property, const QVariant& value, int number,
                              const QString& description) {
  QString shown;
  QDebug(&shown).noquote().nospace() << value;
  // QDebug prints a QVariant as "QVariant(type, value)": the value alone reads better.
  if (shown.startsWith(QLatin1String("QVariant(")) && shown.endsWith(QLatin1Char(')'))) {
    shown = shown.mid(9, shown.size() - 10);
    if (const qsizetype comma = shown.indexOf(QLatin1String(", ")); comma >= 0)
      shown = shown.mid(comma + 2);
  }
  return QStringLiteral("%1: %2 refused: %3 (%4)")
      .arg(QLatin1String(property), shown, description)
      .arg(number);
}

}  // namespace led::qt
