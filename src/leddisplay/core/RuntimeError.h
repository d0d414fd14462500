#pragma once
/// @file
/// The one error type of the control: a run-time error number with its description,
/// thrown at the failing statement.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace led::core {

/// The run-time error numbers the control raises, with their standard descriptions.
enum ErrorNumber : int32_t {
  kInvalidCall = 5,             ///< "Invalid procedure call or argument"
  kOverflow = 6,                ///< "Overflow"
  kDivisionByZero = 11,         ///< "Division by zero"
  kTypeMismatch = 13,           ///< "Type mismatch"
  kFileNotFound = 53,           ///< "File not found"
  kFileAccess = 75,             ///< "Path/File access error"
  kObjectNotSet = 91,           ///< "Object variable or With block variable not set"
  kInvalidPropertyValue = 380,  ///< "Invalid property value"
  kNotSupported = 438,          ///< "Object doesn't support this property or method"
  kWrongArgumentCount = 450,    ///< "Wrong number of arguments or invalid property assignment"
  kInvalidPicture = 481,        ///< "Invalid picture"
};

/// A run-time error: its number and description; what() is the description.
class RuntimeError : public std::runtime_error {
 public:
  /// A known number with its standard description.
  explicit RuntimeError(int32_t number);
  /// Any number with a description of the caller's (for example a file error naming
  /// the file and key).
  RuntimeError(int32_t number, std::string description);

  /// The error number (an ErrorNumber or the caller's own).
  int32_t number() const { return number_; }
  /// The standard description, or the caller's.
  const std::string& description() const { return description_; }

  /// The standard description of a known number; "Application-defined or
  /// object-defined error" for others.
  static std::string StandardDescription(int32_t number);

 private:
  int32_t number_;
  std::string description_;
};

}  // namespace led::core
