// Times programs from CreateProcess to their first painted window.
//
//   startup_timer RUNS PROGRAM...
//
// Runs every program RUNS times, interleaved (A B A B ...) so that a change in
// the machine's load affects all of them alike, after one unmeasured warm-up
// start each. A run ends when a visible top-level window of the process and
// all its visible children have no update region left, i.e. the first paint
// is done. Prints one line per run and then, per program, "median <ms> <path>".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

constexpr DWORD kRunTimeoutMs = 30000;

struct PaintSearch {
    DWORD processId = 0;
    bool painted = false;
};

static BOOL CALLBACK CheckChildPainted(HWND child, LPARAM parameter) {
    auto* allPainted = reinterpret_cast<bool*>(parameter);
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *allPainted = false;
        return FALSE;
    }
    return TRUE;
}

static BOOL CALLBACK CheckTopLevelPainted(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<PaintSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) {
        return TRUE;
    }
    bool allPainted = true;
    EnumChildWindows(window, CheckChildPainted, reinterpret_cast<LPARAM>(&allPainted));
    if (allPainted) {
        search->painted = true;
        return FALSE;
    }
    return TRUE;
}

static bool HasPaintedWindow(DWORD processId) {
    PaintSearch search;
    search.processId = processId;
    EnumWindows(CheckTopLevelPainted, reinterpret_cast<LPARAM>(&search));
    return search.painted;
}

static BOOL CALLBACK CloseTopLevel(HWND window, LPARAM parameter) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(parameter) && IsWindowVisible(window)) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

// Closes the program's windows and waits for it; ends it when it lingers.
static void EndProgram(const PROCESS_INFORMATION& info) {
    EnumWindows(CloseTopLevel, static_cast<LPARAM>(info.dwProcessId));
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 10000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

// Milliseconds from CreateProcess to the first painted window; negative on failure.
static double TimeOneStart(const std::string& program) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return -1;
    }
    WaitForInputIdle(info.hProcess, kRunTimeoutMs);
    const ULONGLONG deadline = GetTickCount64() + kRunTimeoutMs;
    double elapsed = -1;
    for (;;) {
        if (HasPaintedWindow(info.dwProcessId)) {
            QueryPerformanceCounter(&now);
            elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
            break;
        }
        if (GetTickCount64() > deadline || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "%s showed no painted window\n", program.c_str());
            break;
        }
        Sleep(1);
    }
    EndProgram(info);
    return elapsed;
}

static double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    if (runs <= 0) {
        std::fprintf(stderr, "RUNS must be a positive number\n");
        return 2;
    }
    std::vector<std::string> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    for (const std::string& program : programs) {
        if (TimeOneStart(program) < 0) {
            return 1;
        }
    }
    for (int run = 0; run < runs; run++) {
        for (size_t i = 0; i < programs.size(); i++) {
            const double ms = TimeOneStart(programs[i]);
            if (ms < 0) {
                return 1;
            }
            times[i].push_back(ms);
            std::printf("run %d %.2f %s\n", run + 1, ms, programs[i].c_str());
        }
    }
    for (size_t i = 0; i < programs.size(); i++) {
        std::printf("median %.2f %s\n", Median(times[i]), programs[i].c_str());
    }
    return 0;
}
