#pragma once
// The window procedure of the window kind's class.
#include <windows.h>

#include <cstdint>

// Parameters of CreateWindowExA for a window of the window kind; the
// procedure makes the window's WindowObject from them on WM_NCCREATE.
struct WindowProperties;
struct WindowCreationParams {
    uint32_t windowId = 0;
    const WindowProperties* properties = nullptr;
};

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
