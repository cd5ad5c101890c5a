#pragma once
// Driving ppicalc.exe from outside, as a user and the system would: start it,
// find its windows, read their texts, press keys, take screenshots, and read
// how it ended. Every started process is ended by its handle object.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// Bounds for the waits of the tests: generous, since Wine can be slow on a
// busy machine, but finite.
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;

// The program under test: the environment variable PPICALC_EXE, as a Windows
// path or as a Unix path (which becomes Z:\...). Empty when unset.
std::string ProgramPath();

// A Unix path as Wine sees it through drive Z:; other paths are unchanged.
std::string ToWindowsPath(const std::string& path);

// Polls `condition` every few milliseconds until it holds or `timeoutMs` has
// passed. Returns whether it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);

// A started process. The destructor ends it if it still runs, so no test
// leaves a program behind, whatever it asserted.
class ProgramProcess {
public:
    ProgramProcess() = default;
    ProgramProcess(HANDLE process, HANDLE thread, DWORD processId);
    ProgramProcess(ProgramProcess&& other) noexcept;
    ProgramProcess& operator=(ProgramProcess&& other) noexcept;
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    ~ProgramProcess();

    bool Started() const { return process != nullptr; }
    DWORD Id() const { return processId; }
    HANDLE Handle() const { return process; }
    bool Running() const;
    // The exit code once the process has ended within `timeoutMs`, else none.
    std::optional<DWORD> ExitCodeAfter(DWORD timeoutMs) const;
    // Ends the process now (if it runs) and waits for it to be gone.
    void Terminate();

private:
    void Release();

    HANDLE process = nullptr;
    HANDLE thread = nullptr;
    DWORD processId = 0;
};

// Starts `exePath` without arguments, in `currentDirectory` when it is not
// empty. On failure the object is not Started() and `error` holds the reason.
ProgramProcess StartProgram(const std::string& exePath, std::string& error,
                            const std::string& currentDirectory = std::string(),
                            const std::string& arguments = std::string());

// Top-level windows of the process with this class name (any class when null),
// visible or not.
std::vector<HWND> TopLevelWindows(DWORD processId, const char* className);

// The visible top-level window of the process with this class, or null.
HWND FindProgramWindow(DWORD processId, const char* className = "WTWindow");

// Waits for FindProgramWindow; null after `timeoutMs`.
HWND WaitForProgramWindow(DWORD processId, DWORD timeoutMs = kStartTimeoutMs,
                          const char* className = "WTWindow");

// One line per top-level window of the process: class, visibility, title
// and, for a message box, its text (GBK as hexadecimal). For failure messages
// that must say what the program shows instead of what was expected.
std::string DescribeWindows(DWORD processId);

// A message box (class "#32770") of the process whose title is `title` (GBK
// bytes), or null.
HWND FindDialog(DWORD processId, const char* title);

// The message text of a message box: the text of its static control that has
// text (the icon's static has none).
std::string MessageBoxText(HWND dialog);

// Presses the box's button `buttonId` (IDOK by default) as a click would.
bool PressDialogButton(HWND dialog, int buttonId = IDOK);

std::vector<HWND> ChildWindows(HWND parent);
HWND FindChildById(HWND parent, int controlId);
std::string WindowClass(HWND window);
// The window's text as raw bytes in the ANSI code page (GBK here), via
// WM_GETTEXT with a bounded wait.
std::string ReadWindowTextBytes(HWND window);

// Dispatches whatever is queued for the test's own windows, so that they
// answer the system while the test waits (activation changes are sent to them).
void PumpOwnMessages();

// Makes `window` the foreground window so that input reaches it; true when it
// is. Asks again while it waits: a request can be dropped while another
// activation is still under way.
bool BringToForeground(HWND window);

// Presses the keys of a chord in order and releases them in reverse order,
// through SendInput (the foreground window gets them).
bool PressChord(std::initializer_list<WORD> virtualKeys);
// Brings `window` to the foreground, then presses the chord.
bool PressChordIn(HWND window, std::initializer_list<WORD> virtualKeys);

// A capture of part of the screen as it is shown, in 32-bit pixels.
class Screenshot {
public:
    // Captures `area` (screen coordinates) by BitBlt from the screen DC.
    static Screenshot Capture(const RECT& area);
    static Screenshot CaptureWindow(HWND window);

    int Width() const { return width; }
    int Height() const { return height; }
    bool Empty() const { return pixels.empty(); }
    // The pixel at (x, y) of the capture as a COLORREF (0x00BBGGRR).
    COLORREF Pixel(int x, int y) const;
    // Writes a 32-bit BMP file; for looking at a failure by eye.
    bool SaveBmp(const std::string& path) const;

private:
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // top-down rows of 0x00RRGGBB
};

// Bytes as hexadecimal, for failure messages that show GBK texts exactly.
std::string HexBytes(const std::string& bytes);

// A folder of its own under the temporary directory, removed with its files
// by the destructor.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "\\" + name; }

private:
    std::string path;
};

// Whole files, for copies and patches of the program.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
