#include "app/heap_text_memory.h"

#include <windows.h>

#include "app/app_state.h"
#include "app/fatal_report.h"
#include "calc/text_memory.h"

static HANDLE TextHeap() {
    return gApp.heap ? gApp.heap : GetProcessHeap();
}

static void* AllocateFromHeap(size_t byteCount) {
    return HeapAlloc(TextHeap(), 0, byteCount);
}

static bool IsConstantData(const void* block) {
    // Compared as addresses: the constant block is one array, but `block` may
    // point anywhere, so the comparison must not rely on pointer ordering
    // within a single object.
    auto address = reinterpret_cast<uintptr_t>(block);
    auto begin = reinterpret_cast<uintptr_t>(gApp.constantDataBegin);
    auto end = reinterpret_cast<uintptr_t>(gApp.constantDataEnd);
    return address >= begin && address < end;
}

static void ReleaseToHeap(void* block) {
    if (block == nullptr || IsConstantData(block)) {
        return;
    }
    HeapFree(TextHeap(), 0, block);
}

static const TextMemory kProcessHeapTextMemory = {AllocateFromHeap, ReleaseToHeap, ReportMemoryExhausted};

const TextMemory& ProcessHeapTextMemory() {
    return kProcessHeapTextMemory;
}

void InstallProcessHeapTextMemory() {
    SetTextMemory(kProcessHeapTextMemory);
}
