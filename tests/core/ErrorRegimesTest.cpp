#include "leddisplay/core/ErrorRegimes.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace led::core {
namespace {

TEST(ErrorRegimes, EndQuietlyStopsAtTheFirstRuntimeError) {
  int steps = 0;
  EXPECT_TRUE(EndQuietly([&] { ++steps; }));
  EXPECT_FALSE(EndQuietly([&] {
    ++steps;
    throw RuntimeError(kOverflow);
    ++steps;
  }));
  EXPECT_EQ(steps, 2);
}

TEST(ErrorRegimes, TryStepSkipsOnlyTheFailingStep) {
  int done = 0;
  for (int i = 0; i < 3; ++i)
    TryStep([&] {
      if (i == 1) throw RuntimeError(kInvalidPropertyValue);
      ++done;
    });
  EXPECT_EQ(done, 2);
}

TEST(ErrorRegimes, OtherExceptionsAreNotSwallowed) {
  // Only the control's own errors are quiet; a bug (bad_alloc, logic_error) must surface.
  EXPECT_THROW(EndQuietly([] { throw std::logic_error("bug"); }), std::logic_error);
  EXPECT_THROW(TryStep([] { throw std::bad_alloc(); }), std::bad_alloc);
}

}  // namespace
}  // namespace led::core
