#include "ui/window/window_object.h"

#include "ui/window/main_window_proc.h"

WindowObject* WindowObjectOf(HWND window) {
    // Only windows of our procedure carry the object in their user data;
    // asking another class's user data would read someone else's value.
    if (!window || reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != MainWindowProc) {
        return nullptr;
    }
    return reinterpret_cast<WindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
