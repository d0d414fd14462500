// Internal: not installed.
#pragma once
// What the processor running the program offers beyond the instruction set the library
// is compiled for, asked once and kept.
namespace led::platform {

// Whether 256-bit integer vectors (AVX2) may be used; false off x86-64.
bool HasAvx2();

}  // namespace led::platform
