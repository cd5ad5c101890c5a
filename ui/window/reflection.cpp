#include "ui/window/reflection.h"

static bool IsReflected(UINT message) {
    return message == WM_COMMAND || message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC ||
           message == WM_CTLCOLORBTN;
}

// The sender of a notification is the window in lParam; only a real child of
// ours gets the message back (a menu or accelerator WM_COMMAND carries none).
bool ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!IsReflected(message)) {
        return false;
    }
    HWND child = reinterpret_cast<HWND>(lParam);
    if (!child || !IsWindow(child)) {
        return false;
    }
    result = SendMessageA(child, kReflectBase + message, wParam, lParam);
    // A colour message is answered with a brush; 0 means the child left it to
    // the default. A command is the child's own business either way.
    return message == WM_COMMAND || result != 0;
}
