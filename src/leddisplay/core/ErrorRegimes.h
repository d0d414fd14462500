// Internal: not installed.
#pragma once
// The control's three ways of meeting a run-time error, written once each:
//  - pass on: setters and lifecycle handlers simply let RuntimeError propagate;
//  - EndQuietly: the render pass stops at its first error and reports nothing;
//  - TryStep: the resize handling and the container copy skip a failing step and
//    go on with the next.
#include "leddisplay/core/RuntimeError.h"

namespace led::core {

// Runs body; a RuntimeError ends it silently. Returns false when it ended early.
template <class Body>
bool EndQuietly(Body&& body) {
  try {
    body();
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

// Runs one step; a RuntimeError skips the rest of it. Returns false when it failed.
template <class Step>
bool TryStep(Step&& step) {
  return EndQuietly(static_cast<Step&&>(step));
}

}  // namespace led::core
