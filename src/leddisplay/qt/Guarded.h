// Internal: not installed.
#pragma once
// Runs a call into the control so that no exception leaves a Qt host: a run-time error,
// a failed allocation or any other exception is reported as (number, description), as
// the hosts' errorOccurred signals give it. True when the call completed.
#include <QString>
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

}  // namespace led::qt
