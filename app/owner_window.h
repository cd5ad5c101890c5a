#pragma once
// The hidden owner window: an invisible tool window that lives as long as the
// process. Windows owned by it get no taskbar button.
#include <windows.h>

// Sent to the owner window, with the exit code in wParam, when the shutdown is
// requested from a thread other than the GUI thread.
constexpr UINT kMsgShutdownFromOtherThread = 0x83E7;

// Registers the class on first use and creates the window (never shown).
// Null when the system refuses.
HWND CreateHiddenOwnerWindow(HINSTANCE instance);
