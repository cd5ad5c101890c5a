#pragma once
// The window class of a control kind that paints every pixel itself.
#include <windows.h>

// Registers the class unless it exists: redrawn whole on resizing, double
// clicks reported, the arrow cursor, the hollow NULL_BRUSH as background (the
// control's WM_PAINT covers the invalid area, so nothing is erased first), no
// icon, menu or extra bytes. False when it neither exists nor can be made.
bool EnsureDrawnControlClass(const char* className, WNDPROC windowProc);

// Creates a hidden child window of such a class; null when it cannot be made.
HWND CreateDrawnControl(const char* className, const char* windowName, DWORD style, HWND parent, UINT childId,
                        int left, int top, int width, int height);
