#include "tests/window/test_shell.h"

#include <windows.h>

#include <cstdint>

#include "app/fatal_report.h"
#include "app/program_icons.h"
#include "app/shell_queries.h"
#include "tests/support/escape_from_no_return.h"

static bool gLoopStarted = false;

void SetTestLoopStarted(bool started) {
    gLoopStarted = started;
}

static std::string gFatalMessage;

void ReportFatalError(const char* message, int) {
    gFatalMessage = message ? message : "";
    EscapeToTest();
}

void ReportMemoryExhausted(size_t) {
    gFatalMessage = "memory exhausted";
    EscapeToTest();
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
    return RunUntilEscape(action) ? gFatalMessage : "(none)";
}
