#include "tests/window/test_shell.h"

#include <windows.h>

#include <cstdint>

#include "app/fatal_report.h"
#include "app/program_icons.h"
#include "app/shell_queries.h"

static bool gLoopStarted = false;

void SetTestLoopStarted(bool started) {
    gLoopStarted = started;
}

void ReportFatalError(const char* message, int) {
    throw FatalReported{message ? message : ""};
}

void ReportMemoryExhausted(size_t) {
    throw FatalReported{"memory exhausted"};
}

bool MessageLoopStarted() {
    return gLoopStarted;
}

HWND HiddenOwnerWindow() {
    return nullptr;
}

uint32_t ProgramKind() {
    return 3;
}

void GetProgramIcons(HICON& bigIcon, HICON& smallIcon) {
    bigIcon = nullptr;
    smallIcon = nullptr;
}

void DestroyProgramIcons() {}

std::string FatalMessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FatalReported& report) {
        return report.message;
    }
    return "(none)";
}
