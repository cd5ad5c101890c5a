#pragma once
// Colours stored in kind records.
//
// Shared by every kind that paints a background or text (edit box, label): a
// stored colour is a COLORREF, except 0xFF000000, which stands for the
// system's button-face colour at the moment it is resolved.
#include <windows.h>

#include <cstdint>

constexpr uint32_t kButtonFaceColor = 0xFF000000;

COLORREF ResolveKindColor(uint32_t storedColor);
