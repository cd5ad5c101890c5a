// What ppicalc.exe does when the C++ run-time cannot go on. The program's code
// is built without exceptions, so nothing could catch a std::bad_alloc: an
// allocation the system refuses shows the memory-exhaustion report and ends
// the process with -1, as a refused text allocation does. The standard
// containers' size checks, which can only fail for a request larger than the
// address space, end it the same way.
//
// The replacement operator new and delete are the standard's own hook. The
// std::__throw_* functions are the library's hook for code built without
// exceptions; defining here every one that the program's code calls keeps the
// library's throwing versions (and the unwinder, thread support, demangler and
// printf that come with them) out of the executable. Should a change start
// calling another one, the link fails with a duplicate definition: add it here.
//
// Only the program and its stand-ins link this file; test programs keep the
// library's own versions.
#include <cstdint>
#include <cstdlib>
#include <new>

#include "app/fatal_report.h"

// A request for 0 bytes still gets a block of its own.
static void* AllocateBlock(std::size_t byteCount) {
    return std::malloc(byteCount != 0 ? byteCount : 1);
}

void* operator new(std::size_t byteCount) {
    void* block = AllocateBlock(byteCount);
    if (block == nullptr) {
        ReportMemoryExhausted(byteCount);
    }
    return block;
}

void* operator new[](std::size_t byteCount) {
    return ::operator new(byteCount);
}

void* operator new(std::size_t byteCount, const std::nothrow_t&) noexcept {
    return AllocateBlock(byteCount);
}

void* operator new[](std::size_t byteCount, const std::nothrow_t&) noexcept {
    return AllocateBlock(byteCount);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

// A size the containers refuse before asking for memory: more bytes than a
// 32-bit process can address. Reported as the whole address space, which the
// report shows as -1.
static constexpr std::size_t kBeyondAddressSpace = SIZE_MAX;

namespace std {

void __throw_bad_alloc() {
    ReportMemoryExhausted(kBeyondAddressSpace);
}

void __throw_bad_array_new_length() {
    ReportMemoryExhausted(kBeyondAddressSpace);
}

void __throw_length_error(const char*) {
    ReportMemoryExhausted(kBeyondAddressSpace);
}

} // namespace std
