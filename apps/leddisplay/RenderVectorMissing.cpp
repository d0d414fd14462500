// RenderVector.h in a build without Cairo: every call is refused.
#include "apps/leddisplay/RenderVector.h"

#include "leddisplay/core/RuntimeError.h"

namespace led::apps {

namespace {

[[noreturn]] void Refuse() {
  throw core::RuntimeError(core::kInvalidCall,
                           "this leddisplay writes PNG only: it was built without Cairo "
                           "(LEDDISPLAY_VECTOR)");
}

}  // namespace

platform::Drawing RenderDrawing(const RenderOptions&) {
  Refuse();
}

std::vector<uint8_t> EncodeDrawing(const platform::Drawing&, platform::SnapshotFormat,
                                   const std::string&, double) {
  Refuse();
}

std::vector<uint8_t> RenderVector(const RenderOptions&, platform::SnapshotFormat,
                                  const std::string&) {
  Refuse();
}

}  // namespace led::apps
