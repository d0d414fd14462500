#pragma once
// Runs a program as a child, without a shell, its output discarded, and reports the most
// memory it held: the peak resident set size the kernel counts for a finished child
// (wait4's ru_maxrss), for tests that bound what a command costs.
#include <string>
#include <vector>

namespace led::test {

struct MeasuredRun {
  int code;            // the exit code; -1 when the program could not run or was killed
  long peakKilobytes;  // the child's peak resident set size
};

// `arguments` starts with the program's path.
MeasuredRun RunMeasured(const std::vector<std::string>& arguments);

// Whether a peak measured so is the program's own: not in a build under AddressSanitizer,
// whose run-time keeps shadow memory and quarantined blocks besides.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kPeakIsTheProgramsOwn = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kPeakIsTheProgramsOwn = false;
#else
inline constexpr bool kPeakIsTheProgramsOwn = true;
#endif
#else
inline constexpr bool kPeakIsTheProgramsOwn = true;
#endif

}  // namespace led::test
