#pragma once
/// @file
/// A 32-bit colour: with bit 31 clear, red in bits 0-7, green 8-15, blue 16-23; with
/// bit 31 set, the low 31 bits index a system colour.
#include <cstdint>

namespace led::core {

/// A 32-bit colour as described above.
using OleColor = uint32_t;

/// Bit 31: set for a system colour index, clear for a plain RGB colour.
inline constexpr OleColor kSystemColorBit = 0x80000000u;

/// Bit 31 is set.
constexpr bool IsSystemColor(OleColor c) {
  return (c & kSystemColorBit) != 0;
}
/// The system colour index in the low 31 bits (meaningful when IsSystemColor).
constexpr uint32_t SystemColorIndex(OleColor c) {
  return c & 0x7FFFFFFFu;
}
/// A plain colour from its three 0..255 channels.
constexpr OleColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return OleColor{r} | (OleColor{g} << 8) | (OleColor{b} << 16);
}
/// The channels of a plain colour: red bits 0-7, green 8-15, blue 16-23.
///@{
constexpr uint8_t RedOf(OleColor c) {
  return c & 0xFF;
}
constexpr uint8_t GreenOf(OleColor c) {
  return (c >> 8) & 0xFF;
}
constexpr uint8_t BlueOf(OleColor c) {
  return (c >> 16) & 0xFF;
}
///@}

}  // namespace led::core
