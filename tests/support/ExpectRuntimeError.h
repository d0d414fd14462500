#pragma once
// Checks that a statement raises the control's run-time error:
//
//   EXPECT_RUNTIME_ERROR(surface.Line(0, 0, nan, 1, 0), core::kOverflow);
//   EXPECT_RUNTIME_ERROR_TEXT(LoadPropertyFile(path), 380, "\"Digits\"") << "while loading";
//
// The statement runs once. The check fails, without stopping the test, when it raises
// nothing, another number, another exception, or (the _TEXT form) a description that
// does not contain the text; the failure says what was raised instead. More context
// can be streamed in with <<. For tables that mix calls that fail with calls that do
// not, ErrorNumberOf gives the number or 0, and RuntimeErrorOf the whole error.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "leddisplay/core/RuntimeError.h"

namespace led::test {

// The run-time error the statement raises, or none when it completes. Other
// exceptions pass on.
std::optional<core::RuntimeError> RuntimeErrorOf(const std::function<void()>& statement);

// The run-time error the statement raises; when it completes, a test failure and an
// error numbered 0 without words, so that checks of the error's parts fail too.
core::RuntimeError RaisedError(const std::function<void()>& statement);

// The number of the run-time error the statement raises, 0 when it completes.
int32_t ErrorNumberOf(const std::function<void()>& statement);

// Success when the statement raises run-time error `number` whose description holds
// `text` (any description when `text` is empty); otherwise a failure that names the
// statement (`statementText`) and what it raised.
::testing::AssertionResult RaisesRuntimeError(const char* statementText,
                                              const std::function<void()>& statement,
                                              int32_t number, std::string_view text = {});

}  // namespace led::test

// The switch keeps an `else` after the macro from binding to the macro's own `if`.
#define LED_EXPECT_RAISES_(statementText, body, ...)                             \
  switch (0)                                                                     \
  case 0:                                                                        \
  default:                                                                       \
    if (const ::testing::AssertionResult led_raised_ =                           \
            ::led::test::RaisesRuntimeError(statementText, body, __VA_ARGS__)) { \
    } else                                                                       \
      ADD_FAILURE() << led_raised_.message()

#define EXPECT_RUNTIME_ERROR(statement, number) \
  LED_EXPECT_RAISES_(                           \
      #statement, [&]() { statement; }, number)
#define EXPECT_RUNTIME_ERROR_TEXT(statement, number, text) \
  LED_EXPECT_RAISES_(                                      \
      #statement, [&]() { statement; }, number, text)
