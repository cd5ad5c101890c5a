#pragma once
// What the window layer asks of the shell's state.
#include <windows.h>

#include <cstdint>

// True once the message loop has been entered; only then does destroying the
// last window post the quit message.
bool MessageLoopStarted();

// The invisible tool window that owns windows kept out of the taskbar.
HWND HiddenOwnerWindow();

// Program kind from the program header (3 here): non-zero applies a window's
// start position when it is shown.
uint32_t ProgramKind();
