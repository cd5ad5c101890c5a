#pragma once
// The text memory of the program: the process heap.
struct TextMemory;

// Allocation from the process heap; a refused allocation ends in the
// memory-exhaustion report; a release of a pointer into the program's
// constant data does nothing.
const TextMemory& ProcessHeapTextMemory();

// Installs ProcessHeapTextMemory for every text the program hands out.
void InstallProcessHeapTextMemory();
