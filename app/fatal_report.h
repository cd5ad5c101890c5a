#pragma once
// The fatal reports: a message box titled "错误", then the process ends with -1
// without running the registered shutdown routines.
#include <cstddef>

[[noreturn]] void ReportFatalError(const char* message, int errorCode);
[[noreturn]] void ReportMemoryExhausted(size_t byteCount);
