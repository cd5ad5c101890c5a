#include "app/owner_window.h"

static const char kOwnerClassName[] = "PpiCalcHiddenOwner";

// The window does nothing of its own: with one thread, nobody sends it the
// shutdown request either, so default processing covers every message.
static LRESULT CALLBACK OwnerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

static bool RegisterOwnerClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kOwnerClassName, &existing)) {
        return true;
    }
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = OwnerWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kOwnerClassName;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateHiddenOwnerWindow(HINSTANCE instance) {
    if (!RegisterOwnerClass(instance)) {
        return nullptr;
    }
    // Style 0 and no WS_VISIBLE: the window is never shown.
    return CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, instance,
                           nullptr);
}
