#pragma once
// The libraries of control kinds that the program header lists. This program
// has one, the library of built-in kinds.
#include <cstdint>

// Notifications the shell sends to every kind library.
constexpr uint32_t kLibraryNotifyShellReady = 1; // the shell is initialised
constexpr uint32_t kLibraryNotifyProgramEnds = 6;

struct ControlKind;

struct KindLibraryRecord {
    // The kind with this kind field, or null.
    const ControlKind* (*findKind)(uint32_t kindField);
    void (*notify)(uint32_t notification);
};

extern const KindLibraryRecord kBuiltInKindLibrary;

// Sends `notification` to each of `count` libraries.
void NotifyKindLibraries(const KindLibraryRecord* libraries, uint32_t count, uint32_t notification);
