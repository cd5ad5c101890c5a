#pragma once
// The window kind (窗口/window): the top-level window of a window unit.
#include <windows.h>

struct ControlKind;
struct WindowProperties;

extern const ControlKind kWindowKind;

// Shows a built window as its start position says: minimised, maximised or
// in its normal place.
void ShowWindowOfKind(HWND window, const WindowProperties& properties);
