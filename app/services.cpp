#include "app/services.h"

#include <windows.h>
#include <ole2.h>

#include <string>

#include "app/app_state.h"
#include "app/core/fatal_message.h"
#include "app/fatal_report.h"
#include "app/heap_text_memory.h"
#include "app/kind_libraries.h"
#include "app/module_path.h"
#include "app/owner_window.h"
#include "app/program_header.h"
#include "ui/window/window_units.h"

static bool IsAnsiLeadByte(unsigned char value) {
    return IsDBCSLeadByte(value) != FALSE;
}

// The executable's full path. A path longer than MAX_PATH is read whole
// rather than cut short, which would name some other directory.
static std::string ModuleFileName() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) {
            return std::string(); // longer than any Windows path
        }
        path.resize(path.size() * 2);
    }
}

// "X:" alone names the drive's own current directory, not its root, so an
// executable in a drive's root directory gets "X:\".
static std::string CurrentDirectoryFor(const std::string& directory) {
    if (directory.size() == 2 && directory[1] == ':') {
        return directory + "\\";
    }
    return directory;
}

static void EnterProgramDirectory() {
    SplitModulePath(ModuleFileName(), IsAnsiLeadByte, gApp.programDirectory, gApp.programFileName);
    if (!gApp.programDirectory.empty()) {
        SetCurrentDirectoryA(CurrentDirectoryFor(gApp.programDirectory).c_str());
    }
}

static void InitialiseOle() {
    if (gApp.oleInitialised) {
        return;
    }
    // Only a successful call (S_OK, or S_FALSE when already initialised on this
    // thread) must be balanced by OleUninitialize at shutdown.
    if (SUCCEEDED(OleInitialize(nullptr))) {
        gApp.oleInitialised = true;
    }
}

void InitialiseProgram() {
    HMODULE module = GetModuleHandleA(nullptr);
    const ProgramHeader header = ThisProgramHeader(module);

    gApp.heap = GetProcessHeap();
    InstallProcessHeapTextMemory();

    gApp.programKind = header.programKind;
    gApp.reservedWord = header.reserved;
    gApp.formatNumberPlusOne = header.formatNumber + 1;

    InitialiseOle();
    EnterProgramDirectory();
    gApp.ownerWindow = CreateHiddenOwnerWindow(module);
    gApp.mainThreadId = GetCurrentThreadId();

    gApp.constantDataBegin = header.constantData;
    gApp.constantDataEnd = header.constantData + header.constantDataLength;

    NotifyKindLibraries(header.libraries, header.libraryCount, kLibraryNotifyShellReady);
    gApp.libraries = header.libraries;
    gApp.libraryCount = header.libraryCount;

    // The window layer keeps the loaded window units.
    if (header.descriptionLength > 0 &&
        !LoadFormDescription(header.description, header.descriptionLength, header.handlers, header.handlerCount)) {
        ReportFatalError(kMessageDescriptionUnreadable, 0);
    }
}

void RegisterShutdownRoutine(ShutdownRoutine routine) {
    gApp.shutdownRoutines.Register(routine);
}
