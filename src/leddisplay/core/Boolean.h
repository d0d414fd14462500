#pragma once
/// @file
/// The 16-bit Boolean of the control: 0 is False, -1 True; any non-zero value reads
/// as True and is kept as given.
#include <cstdint>

namespace led::core {

using Boolean = int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

constexpr bool IsTrue(Boolean b) {
  return b != 0;
}
constexpr Boolean ToBoolean(bool b) {
  return b ? kTrue : kFalse;
}

}  // namespace led::core
