#include "app/shell_queries.h"

#include "app/app_state.h"

bool MessageLoopStarted() {
    return gApp.loopStarted;
}

HWND HiddenOwnerWindow() {
    return gApp.ownerWindow;
}

uint32_t ProgramKind() {
    return gApp.programKind;
}
