#pragma once
// Counts the calls of the global operator new in this test program (every form:
// plain, array, aligned and nothrow reach the counted ones). Counting is compiled out
// under AddressSanitizer, which brings its own allocator; then Counting() is false.
#include <cstdint>

namespace led::test {

// True when the replacement is in place and AllocationCount() means something.
bool Counting();
// Allocations since the program started.
uint64_t AllocationCount();

}  // namespace led::test
