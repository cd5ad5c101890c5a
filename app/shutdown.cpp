#include "app/shutdown.h"

#include <windows.h>
#include <ole2.h>

#include "app/app_state.h"
#include "app/kind_libraries.h"
#include "app/owner_window.h"
#include "app/program_icons.h"
#include "ui/window/event_dispatch.h"
#include "ui/window/window_units.h"

// Windows belong to the thread that made them, so another thread cannot tear
// them down: it hands the exit code to the GUI thread's owner window and, when
// the GUI thread is not already shutting down, ends the process itself.
static void ShutDownFromOtherThread(int exitCode) {
    if (gApp.ownerWindow && IsWindow(gApp.ownerWindow)) {
        SendMessageA(gApp.ownerWindow, kMsgShutdownFromOtherThread, static_cast<WPARAM>(exitCode), 0);
    }
    if (!gApp.shuttingDown) {
        ExitProcess(static_cast<UINT>(exitCode));
    }
}

static void ReleaseShellObjects() {
    DestroyProgramIcons();
    if (gApp.ownerWindow) {
        DestroyWindow(gApp.ownerWindow);
        gApp.ownerWindow = nullptr;
    }
}

void ShutDown(int exitCode) {
    BlockEvents(); // for good: no handler runs from here on
    if (gApp.mainThreadId != 0 && GetCurrentThreadId() != gApp.mainThreadId) {
        ShutDownFromOtherThread(exitCode);
        return;
    }
    gApp.shuttingDown = true;
    DestroyWindowUnits();
    gApp.shutdownRoutines.RunAll();
    NotifyKindLibraries(gApp.libraries, gApp.libraryCount, kLibraryNotifyProgramEnds);
    gApp.libraries = nullptr;
    gApp.libraryCount = 0;
    ReleaseShellObjects();
    if (gApp.oleInitialised) {
        OleUninitialize();
        gApp.oleInitialised = false;
    }
}
