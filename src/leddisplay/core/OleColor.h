#pragma once
/// @file
/// A 32-bit colour: with bit 31 clear, red in bits 0-7, green 8-15, blue 16-23; with
/// bit 31 set, the low 31 bits index a system colour.
#include <cstdint>

namespace led::core {

using OleColor = uint32_t;

inline constexpr OleColor kSystemColorBit = 0x80000000u;

constexpr bool IsSystemColor(OleColor c) {
  return (c & kSystemColorBit) != 0;
}
constexpr uint32_t SystemColorIndex(OleColor c) {
  return c & 0x7FFFFFFFu;
}
constexpr OleColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return OleColor{r} | (OleColor{g} << 8) | (OleColor{b} << 16);
}
constexpr uint8_t RedOf(OleColor c) {
  return c & 0xFF;
}
constexpr uint8_t GreenOf(OleColor c) {
  return (c >> 8) & 0xFF;
}
constexpr uint8_t BlueOf(OleColor c) {
  return (c >> 16) & 0xFF;
}

}  // namespace led::core
