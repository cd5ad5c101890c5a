// Runs many calculations through the calculator's real window, as a program
// driving it from outside: the three inputs are put in with WM_SETTEXT, the
// button is clicked with BM_CLICK (which runs the whole calculation before the
// call returns), and the density written into the result box is checked.
// Reports how long each click took, whether any answer was wrong or late, and
// the program's memory, handle and GUI object counts at the start, every
// thousand calculations and at the end.
//
//   soak_driver PPICALC_EXE [COUNT]
//
// Exit code: 0 when every calculation answered in time with the right texts
// and the program closed normally, 3 when not, 1 when it could not be driven.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Child-window ids of the controls (creation order from 100 in steps of 10).
constexpr int kHorizontalBoxId = 120;
constexpr int kVerticalBoxId = 130;
constexpr int kSizeBoxId = 150;
constexpr int kCalculateButtonId = 160;
constexpr int kDiagonalBoxId = 170;
constexpr int kDensityBoxId = 180;

// A program that does not answer a message within this long counts as hung.
constexpr UINT kAnswerTimeoutMs = 5000;
constexpr DWORD kStartTimeoutMs = 20000;
constexpr int kCheckpointEvery = 1000;

struct Controls {
    HWND window = nullptr;
    HWND horizontal = nullptr;
    HWND vertical = nullptr;
    HWND size = nullptr;
    HWND button = nullptr;
    HWND diagonal = nullptr;
    HWND density = nullptr;
};

struct Resources {
    SIZE_T privateBytes = 0; // PagefileUsage: moves with the program's own allocations
    SIZE_T workingSet = 0;
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
};

static Resources Measure(HANDLE process) {
    Resources r;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
        r.privateBytes = counters.PagefileUsage;
        r.workingSet = counters.WorkingSetSize;
    }
    GetProcessHandleCount(process, &r.handles);
    r.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    r.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    return r;
}

struct WindowSearch {
    DWORD processId = 0;
    HWND found = nullptr;
};

static BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == search->processId && IsWindowVisible(window) && std::string(className) == "WTWindow") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND WaitForMainWindow(DWORD processId) {
    const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
    while (GetTickCount64() < deadline) {
        WindowSearch search;
        search.processId = processId;
        EnumWindows(TakeVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(20);
    }
    return nullptr;
}

static bool FindControls(Controls& c) {
    c.horizontal = GetDlgItem(c.window, kHorizontalBoxId);
    c.vertical = GetDlgItem(c.window, kVerticalBoxId);
    c.size = GetDlgItem(c.window, kSizeBoxId);
    c.button = GetDlgItem(c.window, kCalculateButtonId);
    c.diagonal = GetDlgItem(c.window, kDiagonalBoxId);
    c.density = GetDlgItem(c.window, kDensityBoxId);
    return c.horizontal && c.vertical && c.size && c.button && c.diagonal && c.density;
}

static bool SetText(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                               kAnswerTimeoutMs, &result) != 0;
}

static bool GetText(HWND window, std::string& text) {
    char buffer[128] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied)) {
        return false;
    }
    text.assign(buffer, std::min<size_t>(copied, sizeof(buffer) - 1));
    return true;
}

static double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The inputs of calculation i: resolutions from 320 x 200 up to about 4K and
// sizes from 3.0 to 72.9 inches, all changing from one click to the next.
struct Inputs {
    int horizontal;
    int vertical;
    int sizeTenths;
};

static Inputs InputsOf(int i) {
    return {320 + (i * 37) % 3521, 200 + (i * 91) % 2161, 30 + (i * 13) % 700};
}

// The diagonal rounded to 2 places as the calculator rounds it (halves and
// what lies within 1e-12 below them go up), and the density from it.
static void ExpectedResults(const Inputs& in, double& diagonal, double& density) {
    double w = in.horizontal;
    double h = in.vertical;
    double scaled = std::sqrt(w * w + h * h) * 100.0 + 1e-12;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5) {
        whole += 1;
    }
    diagonal = whole / 100.0;
    density = diagonal / (in.sizeTenths / 10.0);
}

// The texts carry 13 significant digits, so they agree with a double
// computed here to far better than this.
static bool Close(const std::string& text, double expected) {
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    return end != text.c_str() && std::fabs(value - expected) <= 1e-10 * std::fabs(expected);
}

static void PrintResources(const char* label, const Resources& r) {
    std::printf("%-12s private %8.1f KB  working set %8.1f KB  handles %5lu  GDI %5lu  USER %5lu\n", label,
                r.privateBytes / 1024.0, r.workingSet / 1024.0, static_cast<unsigned long>(r.handles),
                static_cast<unsigned long>(r.gdiObjects), static_cast<unsigned long>(r.userObjects));
}

static double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    size_t index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

struct SoakResult {
    int done = 0;
    int wrong = 0;
    int unanswered = 0;
    std::vector<double> clickMs;
};

// One calculation: inputs in, result box marked, click, result read back.
static void RunOne(const Controls& c, int i, SoakResult& result) {
    Inputs in = InputsOf(i);
    char size[32];
    std::snprintf(size, sizeof(size), "%d.%d", in.sizeTenths / 10, in.sizeTenths % 10);
    bool answered = SetText(c.horizontal, std::to_string(in.horizontal)) &&
                    SetText(c.vertical, std::to_string(in.vertical)) && SetText(c.size, size) &&
                    SetText(c.density, "?");
    LARGE_INTEGER before;
    LARGE_INTEGER after;
    QueryPerformanceCounter(&before);
    DWORD_PTR ignored = 0;
    answered = answered && SendMessageTimeoutA(c.button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                                               &ignored) != 0;
    QueryPerformanceCounter(&after);
    result.clickMs.push_back(Milliseconds(before, after));
    std::string diagonalText;
    std::string densityText;
    answered = answered && GetText(c.diagonal, diagonalText) && GetText(c.density, densityText);
    result.done++;
    if (!answered) {
        result.unanswered++;
        std::printf("calculation %d: no answer within %u ms\n", i, kAnswerTimeoutMs);
        return;
    }
    double diagonal = 0;
    double density = 0;
    ExpectedResults(in, diagonal, density);
    if (!Close(diagonalText, diagonal) || !Close(densityText, density)) {
        if (result.wrong++ < 10) {
            std::printf("calculation %d (%d, %d, %s): got %s / %s, expected %.2f / %.13g\n", i, in.horizontal,
                        in.vertical, size, diagonalText.c_str(), densityText.c_str(), diagonal, density);
        }
    }
}

// Closes the window as the user would and waits for the program's end.
static DWORD CloseProgram(const Controls& c, HANDLE process) {
    PostMessageA(c.window, WM_CLOSE, 0, 0);
    DWORD code = 0xFFFFFFFF;
    if (WaitForSingleObject(process, 10000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process, &code);
    } else {
        std::printf("the program did not end within 10 s of WM_CLOSE; terminated\n");
        TerminateProcess(process, 0xDEAD);
        WaitForSingleObject(process, 10000);
    }
    return code;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: soak_driver PPICALC_EXE [COUNT]\n");
        return 1;
    }
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", argv[1], GetLastError());
        return 1;
    }
    CloseHandle(info.hThread);
    Controls c;
    c.window = WaitForMainWindow(info.dwProcessId);
    if (c.window == nullptr || !FindControls(c)) {
        std::fprintf(stderr, "the calculator's window or controls did not appear\n");
        TerminateProcess(info.hProcess, 0xDEAD);
        CloseHandle(info.hProcess);
        return 1;
    }

    SoakResult result;
    RunOne(c, 0, result); // the first click settles what is made once
    const Resources start = Measure(info.hProcess);
    std::printf("%d calculations through the window\n", count);
    PrintResources("start", start);
    LARGE_INTEGER began;
    QueryPerformanceCounter(&began);
    for (int i = 1; i <= count; i++) {
        RunOne(c, i, result);
        if (i % kCheckpointEvery == 0) {
            PrintResources(("after " + std::to_string(i)).c_str(), Measure(info.hProcess));
        }
    }
    LARGE_INTEGER ended;
    QueryPerformanceCounter(&ended);
    const Resources end = Measure(info.hProcess);
    PrintResources("end", end);
    result.clickMs.erase(result.clickMs.begin()); // the settling click

    std::printf("wrong results %d, unanswered %d of %d\n", result.wrong, result.unanswered, count);
    std::printf("click to written result: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
                Percentile(result.clickMs, 0.5), Percentile(result.clickMs, 0.99),
                Percentile(result.clickMs, 1.0));
    std::printf("whole soak %.1f s (%.3f ms per calculation with its five texts)\n", Milliseconds(began, ended) / 1000,
                Milliseconds(began, ended) / count);
    std::printf("private bytes change %+.1f KB; handles %+ld; GDI %+ld; USER %+ld (0 counts: not reported here)\n",
                (static_cast<double>(end.privateBytes) - static_cast<double>(start.privateBytes)) / 1024.0,
                static_cast<long>(end.handles) - static_cast<long>(start.handles),
                static_cast<long>(end.gdiObjects) - static_cast<long>(start.gdiObjects),
                static_cast<long>(end.userObjects) - static_cast<long>(start.userObjects));

    DWORD exitCode = CloseProgram(c, info.hProcess);
    CloseHandle(info.hProcess);
    std::printf("exit code after WM_CLOSE: %ld\n", static_cast<long>(exitCode));
    bool ok = result.wrong == 0 && result.unanswered == 0 && exitCode == 0;
    return ok ? 0 : 3;
}
