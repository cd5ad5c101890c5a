#include "ui/kinds/drawn_control_class.h"

HWND CreateDrawnControl(const char* className, const char* windowName, DWORD style, HWND parent, UINT childId,
                        int left, int top, int width, int height) {
    // Never WS_VISIBLE: the window build shows the controls once all exist.
    DWORD childStyle = (style & ~static_cast<DWORD>(WS_VISIBLE)) | WS_CHILD | WS_CLIPSIBLINGS;
    return CreateWindowExA(0, className, windowName, childStyle, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)), GetModuleHandleA(nullptr),
                           nullptr);
}
