// Process entry: error mode, start routine, shutdown, exit code.
#include <windows.h>

#include "app/app_state.h"
#include "app/shutdown.h"
#include "app/start_routine.h"

// No system boxes for a missing drive or an unopenable file: the program
// reports its own errors.
static void PrepareErrorMode() {
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

// The normal end, after the message loop: the shutdown, then the exit code
// that the quit message carried.
static int FinishProgram() {
    ShutDown(0);
    return gApp.quitCode;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    PrepareErrorMode();
    // The start routine returns only after the message loop has ended; fatal
    // errors end the process inside it.
    RunStartRoutine();
    // Returning lets the C run-time run its exit functions and destroy the
    // application state before ExitProcess.
    return FinishProgram();
}
