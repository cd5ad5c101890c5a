#pragma once
// Driving the calculator's controls from outside: its boxes and button found
// by child-window id, texts put in with WM_SETTEXT, real mouse clicks and
// typing, the focus of its thread, and the clipboard for pastes.
//
// Header-only: the e2e program is made of driver.cpp and the *_test.cpp files.
#include <windows.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

// Child-window ids of the controls, in creation order from 100 in steps of 10.
constexpr int kHorizontalBoxId = 120; // 编辑框1
constexpr int kVerticalBoxId = 130;   // 编辑框2
constexpr int kSizeBoxId = 150;       // 编辑框3
constexpr int kCalculateButtonId = 160; // 按钮1
constexpr int kDiagonalBoxId = 170;   // 编辑框4, hidden
constexpr int kDensityBoxId = 180;    // 编辑框5

constexpr DWORD kResultTimeoutMs = 10000;

// A running calculator and its six controls.
struct Calculator {
    ProgramProcess process;
    HWND window = nullptr;
    HWND horizontal = nullptr;
    HWND vertical = nullptr;
    HWND size = nullptr;
    HWND button = nullptr;
    HWND diagonal = nullptr;
    HWND density = nullptr;
};

// Starts the program and finds its controls. Empty on success, else why not.
inline std::string StartCalculator(Calculator& calculator) {
    std::string path = ProgramPath();
    if (path.empty()) {
        return "PPICALC_EXE is not set";
    }
    // The pointer waits in the screen's corner, away from where the window
    // comes up, so that no control of the new window starts under it.
    SetCursorPos(0, 0);
    std::string error;
    calculator.process = StartProgram(path, error);
    if (!calculator.process.Started()) {
        return error;
    }
    calculator.window = WaitForProgramWindow(calculator.process.Id());
    if (calculator.window == nullptr) {
        return "no visible main window within " + std::to_string(kStartTimeoutMs) + " ms";
    }
    struct Slot {
        HWND* control;
        int id;
    };
    const Slot slots[] = {{&calculator.horizontal, kHorizontalBoxId}, {&calculator.vertical, kVerticalBoxId},
                          {&calculator.size, kSizeBoxId},             {&calculator.button, kCalculateButtonId},
                          {&calculator.diagonal, kDiagonalBoxId},     {&calculator.density, kDensityBoxId}};
    for (const Slot& slot : slots) {
        *slot.control = FindChildById(calculator.window, slot.id);
        if (*slot.control == nullptr) {
            return "no child window with id " + std::to_string(slot.id);
        }
    }
    return std::string();
}

// Replaces a control's text with these bytes, as a program would; bounded.
inline bool SetTextBytes(HWND window, const std::string& bytes) {
    // A box takes a while to lay out tens of thousands of characters.
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()), SMTO_ABORTIFHUNG,
                               20000, &result) != 0 &&
           result != 0;
}

// Waits until the control shows exactly `expected`; false after the timeout.
inline bool WaitForText(HWND window, const std::string& expected, DWORD timeoutMs = kResultTimeoutMs) {
    return WaitFor([&] { return ReadWindowTextBytes(window) == expected; }, timeoutMs);
}

// The control that has the keyboard focus in the window's thread, or null.
inline HWND FocusedControl(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

inline bool WaitForFocus(HWND window, HWND expected, DWORD timeoutMs = 5000) {
    return WaitFor([&] { return FocusedControl(window) == expected; }, timeoutMs);
}

inline POINT CentreOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Two clicks at one place within the double-click time make a double click,
// whose second half does not move the focus. Waits until a click at `point`
// counts as a single click again.
inline void WaitOutDoubleClick(POINT point) {
    static POINT lastPoint = {-1000000, -1000000};
    static ULONGLONG lastTime = 0;
    const ULONGLONG doubleClickMs = GetDoubleClickTime();
    const bool samePlace = std::abs(point.x - lastPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                           std::abs(point.y - lastPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    const ULONGLONG elapsed = GetTickCount64() - lastTime;
    if (samePlace && elapsed <= doubleClickMs) {
        Sleep(static_cast<DWORD>(doubleClickMs - elapsed + 20));
    }
    lastPoint = point;
    lastTime = GetTickCount64();
}

// The absolute mouse coordinate (0..65535 across the screen) that lands on
// pixel `pixel` of a screen `extent` pixels wide: the system maps it back as
// coordinate * extent / 65536, rounded down.
inline LONG AbsoluteMouseCoordinate(LONG pixel, int extent) {
    return static_cast<LONG>((static_cast<LONGLONG>(pixel) * 65536 + extent - 1) / extent);
}

// A real left click at a point of the screen: the pointer moves there and the
// button goes down and up, through the system's input queue. The move travels
// in the same input as the button, so a pointer report from the display that
// is still on its way cannot put the click somewhere else.
inline bool ClickAt(POINT point) {
    WaitOutDoubleClick(point);
    if (!SetCursorPos(point.x, point.y)) {
        return false;
    }
    INPUT inputs[3] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dx = AbsoluteMouseCoordinate(point.x, GetSystemMetrics(SM_CXSCREEN));
    inputs[0].mi.dy = AbsoluteMouseCoordinate(point.y, GetSystemMetrics(SM_CYSCREEN));
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].type = INPUT_MOUSE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(3, inputs, sizeof(INPUT)) == 3;
}

// Brings the top-level window forward, then clicks the middle of `control`.
inline bool ClickControl(HWND topLevel, HWND control) {
    return BringToForeground(topLevel) && ClickAt(CentreOf(control));
}

// Clicks `control` until it has the focus (at most three clicks). When the
// window has just come forward, the activation that the display server
// reports late can hand the focus back to the window's first box after the
// click; the next click then sticks.
inline bool FocusByClick(HWND topLevel, HWND control) {
    for (int attempt = 0; attempt < 3; attempt++) {
        if (ClickControl(topLevel, control) && WaitForFocus(topLevel, control, 1500)) {
            return true;
        }
    }
    return false;
}

// The virtual key that types an ASCII character on a US layout, or 0.
inline WORD KeyForCharacter(char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) {
        return static_cast<WORD>(c);
    }
    if (c >= 'a' && c <= 'z') {
        return static_cast<WORD>(c - 'a' + 'A');
    }
    switch (c) {
    case '.': return VK_OEM_PERIOD;
    case '-': return VK_OEM_MINUS;
    case ' ': return VK_SPACE;
    default: return 0;
    }
}

// Types the characters as real key presses into the focused control.
inline bool TypeCharacters(const std::string& text) {
    for (char c : text) {
        WORD key = KeyForCharacter(c);
        if (key == 0 || !PressChord({key})) {
            return false;
        }
    }
    return true;
}

// What a person sees when typing goes wrong: which window is in front, which
// control has the focus and what `box` holds.
inline std::string DescribeTypingState(HWND topLevel, HWND box) {
    HWND front = GetForegroundWindow();
    char frontClass[64] = "";
    GetClassNameA(front, frontClass, sizeof(frontClass));
    return std::string("; in front: ") + (front == topLevel ? "the calculator" : frontClass) +
           ", focus on id " + std::to_string(GetDlgCtrlID(FocusedControl(topLevel))) + ", box id " +
           std::to_string(GetDlgCtrlID(box)) + " holds \"" + ReadWindowTextBytes(box) + "\"";
}

// Types `text` key by key into `box`, which has the focus, the way a person
// watching the screen would: the window is brought forward before each key,
// and the next key waits until the box shows the last one. A key that lands
// elsewhere is reported at once instead of turning up in a later case.
inline testing::AssertionResult TypeIntoBox(HWND topLevel, HWND box, const std::string& text) {
    std::string expected = ReadWindowTextBytes(box);
    for (char c : text) {
        WORD key = KeyForCharacter(c);
        if (key == 0) {
            return testing::AssertionFailure() << "no key types '" << c << "'";
        }
        if (!PressChordIn(topLevel, {key})) {
            return testing::AssertionFailure() << "could not press the key for '" << c << "'"
                                               << DescribeTypingState(topLevel, box);
        }
        expected += c;
        if (!WaitForText(box, expected, 3000)) {
            return testing::AssertionFailure() << "the '" << c << "' never showed in the box"
                                               << DescribeTypingState(topLevel, box);
        }
    }
    return testing::AssertionSuccess();
}

// Presses `keys` with the window in front and waits for the focus to reach `next`.
inline testing::AssertionResult MoveFocusWithKeys(HWND topLevel, std::initializer_list<WORD> keys, HWND next) {
    if (!PressChordIn(topLevel, keys)) {
        return testing::AssertionFailure() << "could not press the keys" << DescribeTypingState(topLevel, next);
    }
    if (!WaitForFocus(topLevel, next)) {
        return testing::AssertionFailure() << "the focus did not reach id " << GetDlgCtrlID(next)
                                           << DescribeTypingState(topLevel, next);
    }
    return testing::AssertionSuccess();
}

// Puts text on the clipboard in the ANSI code page, for a paste.
inline bool PutOnClipboard(HWND owner, const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) {
        return false;
    }
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        return false;
    }
    CopyMemory(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!WaitFor([&] { return OpenClipboard(owner) != FALSE; }, 5000)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(memory);
    }
    return placed;
}

// A quoted text with its bytes, for failure messages.
inline std::string Shown(const std::string& bytes) {
    if (bytes.size() > 64) {
        return "(" + std::to_string(bytes.size()) + " bytes) " + HexBytes(bytes.substr(0, 32)) + " ...";
    }
    return "\"" + bytes + "\" [" + HexBytes(bytes) + "]";
}
