#include "app/fatal_report.h"

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "app/core/fatal_message.h"
#include "app/shutdown.h"
#include "ui/window/event_dispatch.h"

void ReportFatalError(const char* message, int errorCode) {
    BlockEvents();
    // A second fatal error while the first box is open (its modal loop still
    // dispatches the window's messages) would stack boxes and re-enter the
    // shutdown; the first report already decides the outcome.
    if (gApp.reportingFatalError) {
        ExitProcess(static_cast<UINT>(-1));
    }
    gApp.reportingFatalError = true;
    const std::string text = FatalReportText(message, errorCode);
    MessageBoxA(nullptr, text.c_str(), kFatalReportTitle, MB_OK | MB_ICONERROR);
    gApp.shutdownRoutines.Clear();
    ShutDown(-1);
    ExitProcess(static_cast<UINT>(-1));
}

void ReportMemoryExhausted(size_t byteCount) {
    // The report's own text needs a little memory. When even that is refused,
    // the allocation comes back here; the process then ends at once with the
    // same code instead of recursing.
    static bool composingReport = false;
    if (composingReport) {
        ExitProcess(static_cast<UINT>(-1));
    }
    composingReport = true;
    ReportFatalError(MemoryFailureMessage(byteCount).c_str(), 0);
}
