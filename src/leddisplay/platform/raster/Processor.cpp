#include "leddisplay/platform/raster/Processor.h"

namespace led::platform {

bool HasAvx2() {
#if defined(__x86_64__)
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has;
#else
  return false;
#endif
}

}  // namespace led::platform
