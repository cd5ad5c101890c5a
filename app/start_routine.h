#pragma once
// The program's own start routine: initialise, build the main window, run the
// message loop. Returns 0.
int RunStartRoutine();
