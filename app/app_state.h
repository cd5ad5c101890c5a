#pragma once
// The shell's one application state: made before the program's code runs and
// kept until the process ends. Used only on the GUI thread.
#include <windows.h>

#include <cstdint>
#include <string>

#include "app/shutdown_routines.h"

struct KindLibraryRecord;

struct AppState {
    HANDLE heap = nullptr; // the process heap; every text handed to program code comes from it
    // Copied from the program header.
    uint32_t programKind = 0;
    uint32_t reservedWord = 0;
    uint32_t formatNumberPlusOne = 0;
    bool oleInitialised = false; // OleInitialize succeeded here; undone at shutdown
    std::string programDirectory; // without the trailing backslash
    std::string programFileName;
    HWND ownerWindow = nullptr;   // hidden tool window, owner of windows kept out of the taskbar
    DWORD mainThreadId = 0;
    // The program's constant data: pointers into it are never freed.
    const char* constantDataBegin = nullptr;
    const char* constantDataEnd = nullptr;
    const KindLibraryRecord* libraries = nullptr;
    uint32_t libraryCount = 0;
    ShutdownRoutines shutdownRoutines;
    bool loopStarted = false;
    bool shuttingDown = false;
    bool reportingFatalError = false;
    HICON bigIcon = nullptr; // program icons, loaded by the first window build
    HICON smallIcon = nullptr;
    int quitCode = 0; // wParam of the WM_QUIT that ended the message loop
};

extern AppState gApp;
