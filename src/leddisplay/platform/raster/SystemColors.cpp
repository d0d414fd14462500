#include "leddisplay/platform/raster/SystemColors.h"

#include <array>
#include <atomic>

#include "leddisplay/core/RuntimeError.h"

namespace led::platform {
namespace {

using core::Rgb;

// The classic "Windows Standard" scheme. Index 25 has no standard meaning and stays 0.
constexpr std::array<core::OleColor, kSystemColorCount> kDefaults = {
    Rgb(212, 208, 200),  // 0 scroll bar
    Rgb(58, 110, 165),   // 1 desktop background
    Rgb(10, 36, 106),    // 2 active caption
    Rgb(128, 128, 128),  // 3 inactive caption
    Rgb(212, 208, 200),  // 4 menu
    Rgb(255, 255, 255),  // 5 window
    Rgb(0, 0, 0),        // 6 window frame
    Rgb(0, 0, 0),        // 7 menu text
    Rgb(0, 0, 0),        // 8 window text
    Rgb(255, 255, 255),  // 9 caption text
    Rgb(212, 208, 200),  // 10 active border
    Rgb(212, 208, 200),  // 11 inactive border
    Rgb(128, 128, 128),  // 12 application workspace
    Rgb(10, 36, 106),    // 13 highlight
    Rgb(255, 255, 255),  // 14 highlight text
    Rgb(212, 208, 200),  // 15 button face
    Rgb(128, 128, 128),  // 16 button shadow
    Rgb(128, 128, 128),  // 17 grey text
    Rgb(0, 0, 0),        // 18 button text
    Rgb(212, 208, 200),  // 19 inactive caption text
    Rgb(255, 255, 255),  // 20 button highlight
    Rgb(64, 64, 64),     // 21 3D dark shadow
    Rgb(212, 208, 200),  // 22 3D light
    Rgb(0, 0, 0),        // 23 tooltip text
    Rgb(255, 255, 225),  // 24 tooltip background
    0,                   // 25 unassigned
    Rgb(0, 0, 128),      // 26 hot-tracked item
    Rgb(166, 202, 240),  // 27 active caption gradient
    Rgb(192, 192, 192),  // 28 inactive caption gradient
    Rgb(10, 36, 106),    // 29 menu highlight
    Rgb(212, 208, 200),  // 30 menu bar
};

struct ColorTable {
  ColorTable() {
    for (int32_t i = 0; i < kSystemColorCount; ++i) entries[i].store(kDefaults[i]);
  }
  std::array<std::atomic<core::OleColor>, kSystemColorCount> entries;
};

std::array<std::atomic<core::OleColor>, kSystemColorCount>& Table() {
  static ColorTable table;
  return table.entries;
}

}  // namespace

core::OleColor SystemColor(int32_t index) {
  if (index < 0 || index >= kSystemColorCount) return 0;
  return Table()[index].load(std::memory_order_relaxed);
}

void SetSystemColor(int32_t index, core::OleColor rgb) {
  if (index < 0 || index >= kSystemColorCount || rgb > 0xFFFFFFu)
    throw core::RuntimeError(core::kInvalidCall);
  Table()[index].store(rgb, std::memory_order_relaxed);
}

void ResetSystemColors() {
  for (int32_t i = 0; i < kSystemColorCount; ++i) Table()[i].store(kDefaults[i]);
}

SystemColorSet CurrentSystemColors() {
  SystemColorSet set;
  for (int32_t i = 0; i < kSystemColorCount; ++i) set[i] = SystemColor(i);
  return set;
}

core::OleColor ResolveColor(core::OleColor color) {
  if (core::IsSystemColor(color)) {
    const uint32_t index = core::SystemColorIndex(color);
    return index < uint32_t(kSystemColorCount) ? SystemColor(int32_t(index)) : 0;
  }
  return color & 0xFFFFFFu;
}

core::OleColor ResolveColor(core::OleColor color, const SystemColorSet& table) {
  if (core::IsSystemColor(color)) {
    const uint32_t index = core::SystemColorIndex(color);
    return index < uint32_t(kSystemColorCount) ? table[index] : 0;
  }
  return color & 0xFFFFFFu;
}

}  // namespace led::platform
