#include "calc/text_memory.h"

#include <cstdlib>

[[noreturn]] static void AbortOnExhaustion(size_t) {
    std::abort();
}

static void* AllocateFromCHeap(size_t byteCount) {
    return std::malloc(byteCount);
}

static void ReleaseToCHeap(void* block) {
    std::free(block);
}

static TextMemory gTextMemory = {AllocateFromCHeap, ReleaseToCHeap, AbortOnExhaustion};

void SetTextMemory(const TextMemory& memory) {
    gTextMemory = memory;
}

char* AllocateText(size_t byteCount) {
    // A request for 0 bytes still gets a block, so null always means refusal.
    size_t size = byteCount == 0 ? 1 : byteCount;
    void* block = gTextMemory.allocate(size);
    if (block == nullptr) {
        gTextMemory.exhausted(size);
        std::abort();
    }
    return static_cast<char*>(block);
}

void ReleaseText(const char* text) {
    if (text != nullptr) {
        gTextMemory.release(const_cast<char*>(text));
    }
}
