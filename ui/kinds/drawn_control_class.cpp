#include "ui/kinds/drawn_control_class.h"

bool EnsureDrawnControlClass(const char* className, WNDPROC windowProc) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing = {};
    if (GetClassInfoA(instance, className, &existing)) {
        return true;
    }
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateDrawnControl(const char* className, const char* windowName, DWORD style, HWND parent, UINT childId,
                        int left, int top, int width, int height) {
    // Never WS_VISIBLE: the window build shows the controls once all exist.
    DWORD childStyle = (style & ~static_cast<DWORD>(WS_VISIBLE)) | WS_CHILD | WS_CLIPSIBLINGS;
    return CreateWindowExA(0, className, windowName, childStyle, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)), GetModuleHandleA(nullptr),
                           nullptr);
}
