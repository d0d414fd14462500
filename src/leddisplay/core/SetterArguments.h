#pragma once
/// @file
/// The arguments of the control's typed setters. Each converts implicitly from what a
/// program writes and checks it there, so a value outside the property's range raises
/// 6 "Overflow" (RuntimeError) before the setter changes anything, instead of wrapping.
///   Int16Arg    any integer type, -32768..32767
///   Int32Arg    any integer type or unscoped enumeration, -2^31..2^31-1
///   ColorArg    any integer type, 0..2^32-1 (an OleColor)
///   BooleanArg  bool (true is -1, false 0), or any integer type in -32768..32767, kept
///               as given (1 stays 1)
#include <concepts>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/core/RuntimeError.h"

namespace led::core {

/// An integer type other than bool, which only a Boolean argument takes.
template <class T>
concept IntegerArgument = std::integral<T> && !std::same_as<T, bool>;

/// An argument of integer type T: converts from any integer (or unscoped enumeration)
/// and raises 6 "Overflow" when the value is outside T's range.
template <std::integral T>
class CheckedArg {
 public:
  /// Checks `value` against T's range; 6 "Overflow" outside it.
  ///@{
  template <IntegerArgument From>
  CheckedArg(From value) : value_(Checked(value)) {}  // NOLINT: implicit by design
  template <class Enum>
  requires std::is_enum_v<Enum> && std::is_convertible_v<Enum, std::underlying_type_t<Enum>>
  CheckedArg(Enum value)
      : value_(Checked(static_cast<std::underlying_type_t<Enum>>(value))) {}  // NOLINT
  ///@}

  /// The checked value.
  operator T() const { return value_; }  // NOLINT: implicit by design

 private:
  template <class From>
  static T Checked(From value) {
    if (!std::in_range<T>(value)) throw RuntimeError(kOverflow);
    return static_cast<T>(value);
  }
  T value_;
};

/// The checked arguments of 16-bit, 32-bit and colour properties (ranges above).
///@{
using Int16Arg = CheckedArg<int16_t>;
using Int32Arg = CheckedArg<int32_t>;
using ColorArg = CheckedArg<OleColor>;
///@}

/// The argument of a Boolean property: a bool, or an integer kept as given.
class BooleanArg {
 public:
  /// true as -1, false as 0.
  BooleanArg(bool value) : value_(ToBoolean(value)) {}  // NOLINT: implicit by design
  /// Kept as given; 6 "Overflow" outside -32768..32767.
  template <IntegerArgument From>
  BooleanArg(From value) : value_(Int16Arg(value)) {}  // NOLINT

  /// The 16-bit Boolean.
  operator Boolean() const { return value_; }  // NOLINT

 private:
  Boolean value_;
};

}  // namespace led::core
