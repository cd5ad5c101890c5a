#include "ui/window/window_class.h"

#include <windows.h>

#include "ui/window/main_window_proc.h"

constexpr char kDefaultWindowClass[] = "WTWindow";

const char* WindowClassName(const char* ownName) {
    return ownName && *ownName ? ownName : kDefaultWindowClass;
}

bool EnsureWindowClass(const char* className) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, className, &existing)) {
        return existing.lpfnWndProc == MainWindowProc;
    }
    WNDCLASSA windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // The hollow brush: erasing paints nothing, WM_PAINT fills the background.
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}
