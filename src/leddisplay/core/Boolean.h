#pragma once
/// @file
/// The 16-bit Boolean of the control: 0 is False, -1 True; any non-zero value reads
/// as True and is kept as given.
#include <cstdint>

namespace led::core {

/// The control's Boolean: 16-bit, 0 False, anything else True.
using Boolean = int16_t;
/// The values a Boolean takes when the control writes one.
///@{
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;
///@}

/// Any non-zero value is True.
constexpr bool IsTrue(Boolean b) {
  return b != 0;
}
/// true as kTrue (-1), false as kFalse (0).
constexpr Boolean ToBoolean(bool b) {
  return b ? kTrue : kFalse;
}

}  // namespace led::core
