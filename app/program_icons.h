#pragma once
// The program icon "DEFAULT_ICON" of the executable's resources, shared by
// every window that has no icon of its own.
#include <windows.h>

// The large (32 x 32) and small (16 x 16) icons, loaded on the first call and
// kept until shutdown. Either may be null when the resource is missing.
void GetProgramIcons(HICON& bigIcon, HICON& smallIcon);

// Destroys both icons (shutdown).
void DestroyProgramIcons();
