#pragma once
// The record through which the shell finds the program's data: its form
// description, its handlers, its constant data and its kind libraries.
#include <windows.h>

#include <cstddef>
#include <cstdint>

struct HandlerEntry;
struct KindLibraryRecord;

struct ProgramHeader {
    uint32_t programKind = 0;   // non-zero: start positions apply when a window is shown
    uint32_t reserved = 0;
    uint32_t formatNumber = 0;
    // The handler code base: binding offsets are looked up in this table.
    const HandlerEntry* handlers = nullptr;
    size_t handlerCount = 0;
    const char* constantData = nullptr;
    uint32_t constantDataLength = 0;
    const uint8_t* description = nullptr;
    uint32_t descriptionLength = 0;
    uint32_t libraryCount = 0;
    const KindLibraryRecord* libraries = nullptr;
    uint32_t externalRoutineCount = 0; // routines imported by name from other executables
    const void* externalNames = nullptr;
    const void* externalRoutines = nullptr;
};

// This program's header. The description is the "FORMDESCRIPTION" data
// resource of `module`; it is null with length 0 when the resource is missing.
ProgramHeader ThisProgramHeader(HMODULE module);
