#include "app/start_routine.h"

#include "app/core/fatal_message.h"
#include "app/fatal_report.h"
#include "app/fpu_reset.h"
#include "app/message_loop.h"
#include "app/services.h"
#include "ui/description/identifiers.h"
#include "ui/window/window_units.h"

// The program's initialisation and shutdown routines: this program has
// nothing to prepare or to tidy up, but the shell calls them all the same.
static void ProgramInitialisation() {}
static void ProgramShutdown() {}

int RunStartRoutine() {
    InitialiseProgram();
    ResetFloatingPointUnit();
    ProgramInitialisation();
    RegisterShutdownRoutine(ProgramShutdown);
    if (!BuildWindow(kMainWindowId, nullptr)) {
        ReportFatalError(kMessageStartWindowFailed, 0);
    }
    RunMessageLoop();
    return 0;
}
