#pragma once
// Child windows of the control kinds that paint every pixel themselves; their
// classes are registered with EnsureHollowWindowClass.
#include <windows.h>

// Creates a hidden child window of such a class; null when it cannot be made.
HWND CreateDrawnControl(const char* className, const char* windowName, DWORD style, HWND parent, UINT childId,
                        int left, int top, int width, int height);
