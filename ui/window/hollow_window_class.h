#pragma once
// The window class shared by the program's own windows: the main window and
// the control kinds that paint every pixel themselves.
#include <windows.h>

// Registers the class unless it exists: redrawn whole on resizing, double
// clicks reported, the arrow cursor, the hollow NULL_BRUSH as background (the
// window's WM_PAINT covers the invalid area, so erasing paints nothing), no
// icon, menu or extra bytes. False when it cannot be registered, or when the
// name already belongs to a class of another procedure (a window of that
// class would not be one of ours).
bool EnsureHollowWindowClass(const char* className, WNDPROC windowProc);
