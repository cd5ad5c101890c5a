#include "tests/e2e/driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string windowsPath = "Z:" + path;
    for (char& c : windowsPath) {
        if (c == '/') {
            c = '\\';
        }
    }
    return windowsPath;
}

std::string ProgramPath() {
    const char* value = std::getenv("PPICALC_EXE");
    return value ? ToWindowsPath(value) : std::string();
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(10);
    }
}

// ---- ProgramProcess ----

ProgramProcess::ProgramProcess(HANDLE processHandle, HANDLE threadHandle, DWORD id)
    : process(processHandle), thread(threadHandle), processId(id) {}

ProgramProcess::ProgramProcess(ProgramProcess&& other) noexcept
    : process(other.process), thread(other.thread), processId(other.processId) {
    other.process = nullptr;
    other.thread = nullptr;
    other.processId = 0;
}

ProgramProcess& ProgramProcess::operator=(ProgramProcess&& other) noexcept {
    if (this != &other) {
        Release();
        process = other.process;
        thread = other.thread;
        processId = other.processId;
        other.process = nullptr;
        other.thread = nullptr;
        other.processId = 0;
    }
    return *this;
}

ProgramProcess::~ProgramProcess() {
    Release();
}

void ProgramProcess::Release() {
    Terminate();
    if (thread) {
        CloseHandle(thread);
        thread = nullptr;
    }
    if (process) {
        CloseHandle(process);
        process = nullptr;
    }
    processId = 0;
}

bool ProgramProcess::Running() const {
    return process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ProgramProcess::ExitCodeAfter(DWORD timeoutMs) const {
    if (!process || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process, &code)) {
        return std::nullopt;
    }
    return code;
}

void ProgramProcess::Terminate() {
    if (Running()) {
        // An exit code no program path produces, so a forced end is never
        // mistaken for a real one.
        TerminateProcess(process, 0xDEAD);
        WaitForSingleObject(process, kExitTimeoutMs);
    }
}

ProgramProcess StartProgram(const std::string& exePath, std::string& error, const std::string& currentDirectory,
                            const std::string& arguments) {
    error.clear();
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &info)) {
        error = "CreateProcessA(" + exePath + ") failed, GetLastError " + std::to_string(GetLastError());
        return ProgramProcess();
    }
    return ProgramProcess(info.hProcess, info.hThread, info.dwProcessId);
}

// ---- windows ----

std::string WindowClass(HWND window) {
    char name[256] = {};
    int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}


struct WindowSearch {
    DWORD processId = 0;
    const char* className = nullptr;
    std::vector<HWND> found;
};

static BOOL CALLBACK CollectTopLevelWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (!search->className || WindowClass(window) == search->className)) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className) {
    WindowSearch search;
    search.processId = processId;
    search.className = className;
    EnumWindows(CollectTopLevelWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProgramWindow(DWORD processId, const char* className) {
    for (HWND window : TopLevelWindows(processId, className)) {
        if (IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForProgramWindow(DWORD processId, DWORD timeoutMs, const char* className) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindProgramWindow(processId, className)) != nullptr; }, timeoutMs);
    return found;
}

std::string DescribeWindows(DWORD processId) {
    std::string description;
    for (HWND window : TopLevelWindows(processId, nullptr)) {
        const std::string className = WindowClass(window);
        description += className + (IsWindowVisible(window) ? " visible" : " hidden") + " title [" +
                       HexBytes(ReadWindowTextBytes(window)) + "]";
        if (className == "#32770") {
            description += " text [" + HexBytes(MessageBoxText(window)) + "]";
        }
        description += "\n";
    }
    return description.empty() ? "no top-level windows\n" : description;
}

HWND FindDialog(DWORD processId, const char* title) {
    for (HWND window : TopLevelWindows(processId, "#32770")) {
        if (ReadWindowTextBytes(window) == title) {
            return window;
        }
    }
    return nullptr;
}

std::string MessageBoxText(HWND dialog) {
    for (HWND child : ChildWindows(dialog)) {
        if (_stricmp(WindowClass(child).c_str(), "Static") == 0) {
            std::string text = ReadWindowTextBytes(child);
            if (!text.empty()) {
                return text;
            }
        }
    }
    return std::string();
}

bool PressDialogButton(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (!button) {
        return false;
    }
    // BM_CLICK makes the button send its own WM_COMMAND, as a mouse click does.
    return PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

static BOOL CALLBACK CollectChild(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindChildById(HWND parent, int controlId) {
    for (HWND child : ChildWindows(parent)) {
        if (GetDlgCtrlID(child) == controlId) {
            return child;
        }
    }
    return nullptr;
}

std::string ReadWindowTextBytes(HWND window) {
    // A hung program must not hang the test: both messages are bounded.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return std::string();
    }
    std::vector<char> buffer(length + 2);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied)) {
        return std::string();
    }
    return std::string(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
}

// ---- input ----

void PumpOwnMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool BringToForeground(HWND window) {
    ULONGLONG nextRequest = 0;
    return WaitFor(
        [&] {
            PumpOwnMessages();
            if (GetForegroundWindow() == window) {
                return true;
            }
            if (GetTickCount64() >= nextRequest) {
                SetForegroundWindow(window);
                nextRequest = GetTickCount64() + 250;
            }
            return false;
        },
        3000);
}

static INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool PressChord(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        inputs.push_back(KeyInput(key, false));
    }
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
        inputs.push_back(KeyInput(*key, true));
    }
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
}

bool PressChordIn(HWND window, std::initializer_list<WORD> virtualKeys) {
    return BringToForeground(window) && PressChord(virtualKeys);
}

// ---- screenshots ----

Screenshot Screenshot::Capture(const RECT& area) {
    Screenshot shot;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return shot;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
            GdiFlush();
            const auto* source = static_cast<const uint32_t*>(bits);
            shot.width = width;
            shot.height = height;
            shot.pixels.assign(source, source + static_cast<size_t>(width) * static_cast<size_t>(height));
        }
        SelectObject(memory, previous);
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

Screenshot Screenshot::CaptureWindow(HWND window) {
    RECT area = {};
    GetWindowRect(window, &area);
    return Capture(area);
}

COLORREF Screenshot::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return CLR_INVALID;
    }
    const uint32_t pixel = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    // The DIB holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool Screenshot::SaveBmp(const std::string& path) const {
    if (Empty()) {
        return false;
    }
    const DWORD imageBytes = static_cast<DWORD>(pixels.size() * sizeof(uint32_t));
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + imageBytes;
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        return false;
    }
    bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                   std::fwrite(pixels.data(), imageBytes, 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

// ---- texts and files ----

std::string HexBytes(const std::string& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char byte : bytes) {
        if (!hex.empty()) {
            hex += ' ';
        }
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

TemporaryFolder::TemporaryFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    // Process id and a counter keep folders of parallel runs and of tests
    // within one run apart.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && path.empty(); attempt++) {
        std::string candidate = std::string(base) + "ppicalc-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path = candidate;
        }
    }
}

TemporaryFolder::~TemporaryFolder() {
    if (path.empty()) {
        return;
    }
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                DeleteFileA((path + "\\" + entry.cFileName).c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
        return false;
    }
    uint8_t chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof(chunk), in)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}
