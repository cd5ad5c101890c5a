#pragma once
// The program's message loop.

// Sets the loop-started flag and, while a window of the program is alive,
// takes and dispatches messages until WM_QUIT, whose code it keeps in the
// application state. Returns at once when no window is alive.
void RunMessageLoop();
