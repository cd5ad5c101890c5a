#pragma once
// The state a live top-level window keeps for itself, hung off the window.
#include <windows.h>

#include <cstdint>

#include "ui/description/window_properties.h"

struct WindowObject {
    uint32_t windowId = 0;
    WindowProperties properties;
    HWND rememberedFocus = nullptr; // the control that had the focus at the last deactivation
    int outerWidth = 0;             // the size it was created with
    int outerHeight = 0;
    HFONT font = nullptr;           // as set by WM_SETFONT; not owned
    HICON bigIcon = nullptr;        // made from the window's own icon bytes; owned
    HICON smallIcon = nullptr;
    bool loaded = false;            // set when the build has finished
    bool activatedOnce = false;
    bool helpOpened = false;        // F1 opened the help file
};

// The object of a window of the window kind, or null for any other window.
WindowObject* WindowObjectOf(HWND window);
