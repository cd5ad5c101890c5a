#pragma once
// The window's background.
#include <windows.h>

#include <cstdint>

// Fills `area` of the window's client area with the background colour (a
// COLORREF, or 0xFF000000 for the system's button face). Used for WM_PAINT
// and WM_PRINTCLIENT alike, so a capture shows what the screen shows.
void PaintWindowBackground(HDC dc, const RECT& area, uint32_t backColor);
