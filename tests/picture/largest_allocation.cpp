#include "tests/picture/largest_allocation.h"

#include <atomic>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define PPICALC_SANITIZED_MALLOC 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define PPICALC_SANITIZED_MALLOC 1
#endif

#if defined(__GLIBC__) && !defined(PPICALC_SANITIZED_MALLOC)

static std::atomic<size_t> gLargestAllocation{0};

extern "C" void* __libc_malloc(size_t size);

// Takes the place of the C library's malloc for the whole process, the
// shared libpng included (the executable's definition wins), and hands every
// request on unchanged.
extern "C" void* malloc(size_t size) {
    size_t largest = gLargestAllocation.load(std::memory_order_relaxed);
    while (size > largest && !gLargestAllocation.compare_exchange_weak(largest, size)) {
    }
    return __libc_malloc(size);
}

bool LargestAllocationTracked() { return true; }
void ResetLargestAllocation() { gLargestAllocation = 0; }
size_t LargestAllocation() { return gLargestAllocation; }

#else

bool LargestAllocationTracked() { return false; }
void ResetLargestAllocation() {}
size_t LargestAllocation() { return 0; }

#endif
