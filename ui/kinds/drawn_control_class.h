#pragma once
// Child windows of the control kinds that paint every pixel themselves; their
// classes are registered with EnsureHollowWindowClass.
#include <windows.h>

// Creates a hidden child window of such a class; null when it cannot be made.
HWND CreateDrawnControl(const char* className, const char* windowName, DWORD style, HWND parent, UINT childId,
                        int left, int top, int width, int height);

// WM_PAINT and WM_PRINTCLIENT of such a control. Both draw the whole client
// area with `paint(dc)`: on the screen, or into the caller's device context
// for a capture. False for every other message.
template <typename Paint>
bool HandlePaintMessage(HWND control, UINT message, WPARAM wParam, Paint paint) {
    if (message == WM_PRINTCLIENT) {
        paint(reinterpret_cast<HDC>(wParam));
        return true;
    }
    if (message != WM_PAINT) {
        return false;
    }
    PAINTSTRUCT paintStruct;
    HDC dc = BeginPaint(control, &paintStruct);
    if (dc) {
        paint(dc);
        EndPaint(control, &paintStruct);
    }
    return true;
}
