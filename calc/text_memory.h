#pragma once
// Storage for the texts that the calculation core hands out.
//
// Every text made here is owned by its receiver and given back with
// ReleaseText. The native build and the tests use the C heap; the Windows
// program installs its process-heap allocator at start-up, which also turns an
// allocation failure into the memory-exhaustion report and leaves pointers into
// its constant data alone.
#include <cstddef>

struct TextMemory {
    // Returns storage for byteCount bytes, or null when none can be had.
    void* (*allocate)(size_t byteCount);
    // Gives back storage obtained from allocate; never called with null.
    void (*release)(void* block);
    // Called with the size that allocate refused; must not return. (The
    // attribute [[noreturn]] cannot be put on a pointer, so AllocateText
    // aborts should it return after all.)
    void (*exhausted)(size_t byteCount);
};

// Installs the allocator used from now on (the default is the C heap).
void SetTextMemory(const TextMemory& memory);

// A new block of byteCount bytes; never null (exhaustion does not return).
char* AllocateText(size_t byteCount);

// Gives a text back. Null is left alone.
void ReleaseText(const char* text);
