#pragma once
// Timing two steps against each other on a shared machine: the ratio of their processor
// times, taken in short turns of each in alternation, so that a neighbour's load weighs
// on both alike.
#include <ctime>

namespace led::bench {

// Processor time of this thread, in nanoseconds.
inline double ThreadNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

// The time of `step` over that of `floor`, over `turns` turns of `perTurn` calls of each.
template <class Step, class FloorStep>
double TimesOf(int perTurn, Step&& step, FloorStep&& floor, int turns = 40) {
  double measured = 0, floorTime = 0;
  for (int turn = 0; turn < turns; ++turn) {
    double start = ThreadNanoseconds();
    for (int i = 0; i < perTurn; ++i) step();
    measured += ThreadNanoseconds() - start;
    start = ThreadNanoseconds();
    for (int i = 0; i < perTurn; ++i) floor();
    floorTime += ThreadNanoseconds() - start;
  }
  return measured / floorTime;
}

}  // namespace led::bench
