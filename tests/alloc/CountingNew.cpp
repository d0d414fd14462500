#include "alloc/CountingNew.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LED_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define LED_ASAN 1
#endif

namespace {

std::atomic<uint64_t> allocations{0};

#if !defined(LED_ASAN)
void* CountedAllocate(std::size_t size, std::size_t alignment) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (size == 0) size = 1;
  void* p = alignment <= alignof(std::max_align_t)
                ? std::malloc(size)
                : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
#endif

}  // namespace

namespace led::test {

bool Counting() {
#if defined(LED_ASAN)
  return false;
#else
  return true;
#endif
}

uint64_t AllocationCount() {
  return allocations.load(std::memory_order_relaxed);
}

}  // namespace led::test

#if !defined(LED_ASAN)
// libstdc++ routes the array and nothrow forms through these.
void* operator new(std::size_t size) {
  return CountedAllocate(size, alignof(std::max_align_t));
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return CountedAllocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
  std::free(p);
}
#endif
