#include "support/ExpectRuntimeError.h"

#include <exception>
#include <string>

namespace led::test {

std::optional<core::RuntimeError> RuntimeErrorOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const core::RuntimeError& e) {
    return e;
  }
  return std::nullopt;
}

core::RuntimeError RaisedError(const std::function<void()>& statement) {
  if (std::optional<core::RuntimeError> error = RuntimeErrorOf(statement)) return *error;
  ADD_FAILURE() << "Expected a run-time error; nothing was raised";
  return core::RuntimeError(0, "");
}

int32_t ErrorNumberOf(const std::function<void()>& statement) {
  const std::optional<core::RuntimeError> error = RuntimeErrorOf(statement);
  return error ? error->number() : 0;
}

::testing::AssertionResult RaisesRuntimeError(const char* statementText,
                                              const std::function<void()>& statement,
                                              int32_t number, std::string_view text) {
  std::string wanted = "run-time error " + std::to_string(number);
  if (!text.empty()) wanted += " with \"" + std::string(text) + "\" in its description";
  std::string raised;
  try {
    statement();
    raised = "nothing";
  } catch (const core::RuntimeError& e) {
    if (e.number() == number && e.description().find(text) != std::string::npos)
      return ::testing::AssertionSuccess();
    raised = "run-time error " + std::to_string(e.number()) + " \"" + e.description() + "\"";
  } catch (const std::exception& e) {
    raised = std::string("another exception: \"") + e.what() + "\"";
  } catch (...) {
    raised = "an exception of unknown type";
  }
  return ::testing::AssertionFailure() << "Expected: " << statementText << " raises " << wanted
                                       << "\n  Actual: it raised " << raised;
}

}  // namespace led::test
