#pragma once
// The program's own description resource, for copies of the program that
// carry another description; and a plain window of the test's own that can
// take the activation from the program.
//
// Header-only: the e2e program is made of driver.cpp and the *_test.cpp files.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

inline const char* const kFormResourceName = "FORMDESCRIPTION";

inline BOOL CALLBACK TakeFirstLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR parameter) {
    *reinterpret_cast<int*>(parameter) = language;
    return FALSE;
}

// The description bytes of an executable and the language they are stored under.
inline bool ReadFormResource(const std::string& exe, std::vector<uint8_t>& bytes, WORD& language) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        return false;
    }
    int found = -1;
    EnumResourceLanguagesA(module, RT_RCDATA, kFormResourceName, TakeFirstLanguage,
                           reinterpret_cast<LONG_PTR>(&found));
    HRSRC info = FindResourceA(module, kFormResourceName, RT_RCDATA);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const auto* data = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (data && found >= 0) {
        bytes.assign(data, data + SizeofResource(module, info));
        language = static_cast<WORD>(found);
    }
    FreeLibrary(module);
    return data && found >= 0;
}

// Replaces the description of the executable `exe` with `bytes`.
inline bool ReplaceFormResource(const std::string& exe, WORD language, const std::vector<uint8_t>& bytes) {
    HANDLE update = BeginUpdateResourceA(exe.c_str(), FALSE);
    if (!update) {
        return false;
    }
    bool updated = UpdateResourceA(update, RT_RCDATA, kFormResourceName, language,
                                   const_cast<uint8_t*>(bytes.data()), static_cast<DWORD>(bytes.size())) != FALSE;
    return EndUpdateResourceA(update, !updated) != FALSE && updated;
}

// Handles whatever the test's own windows were sent meanwhile.
// WaitFor that keeps the test's own windows answering while it waits.
inline bool WaitPumping(const std::function<bool()>& condition, DWORD timeoutMs) {
    return WaitFor(
        [&] {
            PumpOwnMessages();
            return condition();
        },
        timeoutMs);
}

// A visible top-level window of the test process, destroyed with the object.
class OtherWindow {
public:
    OtherWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "E2eOtherWindow";
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassA(&windowClass); // fails harmlessly when it exists
        window = CreateWindowExA(0, "E2eOtherWindow", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 200, 150,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        PumpOwnMessages();
    }
    ~OtherWindow() {
        if (window) {
            DestroyWindow(window);
        }
        PumpOwnMessages();
    }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    HWND Handle() const { return window; }

    // Takes the activation; true once this window is in the foreground.
    bool Activate() {
        SetForegroundWindow(window);
        return WaitPumping([&] { return GetForegroundWindow() == window; }, 3000);
    }

private:
    HWND window = nullptr;
};
