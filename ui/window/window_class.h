#pragma once
// The window class of the window kind.

// The class name a window uses: its own className, or "WTWindow".
const char* WindowClassName(const char* ownName);

// Registers the class on first use. False when it cannot be registered, or
// when the name already belongs to a class of another procedure (a window
// of such a class would not be a window of this kind).
bool EnsureWindowClass(const char* className);
