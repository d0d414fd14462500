#include "leddisplay/core/RuntimeError.h"

namespace led::core {

RuntimeError::RuntimeError(int32_t number) : RuntimeError(number, StandardDescription(number)) {}

RuntimeError::RuntimeError(int32_t number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

std::string RuntimeError::StandardDescription(int32_t number) {
  switch (number) {
    case kInvalidCall:
      return "Invalid procedure call or argument";
    case kOverflow:
      return "Overflow";
    case kDivisionByZero:
      return "Division by zero";
    case kTypeMismatch:
      return "Type mismatch";
    case kFileNotFound:
      return "File not found";
    case kFileAccess:
      return "Path/File access error";
    case kObjectNotSet:
      return "Object variable or With block variable not set";
    case kInvalidPropertyValue:
      return "Invalid property value";
    case kNotSupported:
      return "Object doesn't support this property or method";
    case kWrongArgumentCount:
      return "Wrong number of arguments or invalid property assignment";
    case kInvalidPicture:
      return "Invalid picture";
    default:
      return "Application-defined or object-defined error";
  }
}

}  // namespace led::core
