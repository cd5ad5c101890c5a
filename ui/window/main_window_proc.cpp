#include "ui/window/main_window_proc.h"

#include <algorithm>

#include "app/shell_queries.h"
#include "ui/description/identifiers.h"
#include "ui/window/event_dispatch.h"
#include "ui/window/reflection.h"
#include "ui/window/window_focus.h"
#include "ui/window/window_object.h"
#include "ui/window/window_paint.h"
#include "ui/window/window_units.h"

static void RaiseWindowEvent(const WindowObject& object, int32_t eventNumber) {
    RaiseSimpleEvent(object.windowId, kWindowElementId, eventNumber);
}

// A close query answered with false keeps the window.
static bool CloseQueryRefused(const WindowObject& object, int32_t eventNumber) {
    EventRecord event;
    event.windowId = object.windowId;
    event.controlId = kWindowElementId;
    event.eventNumber = eventNumber;
    return RaiseEvent(event) && event.hasResult && event.result == 0;
}

static void RememberFocus(HWND window, WindowObject& object) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) {
        object.rememberedFocus = focus;
    }
}

// Makes the window object from the creation parameters and hangs it off the window.
static LRESULT OnNcCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    const auto* params = static_cast<const WindowCreationParams*>(create->lpCreateParams);
    if (!params || !params->properties) {
        return FALSE;
    }
    auto* object = new WindowObject;
    object->windowId = params->windowId;
    object->properties = *params->properties;
    object->outerWidth = std::max(create->cx, 0);
    object->outerHeight = std::max(create->cy, 0);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return DefWindowProcA(window, message, wParam, lParam);
}

// Fills the invalid part of the client area with the background colour.
static void OnPaint(HWND window, const WindowObject& object) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc) {
        PaintWindowBackground(dc, paint.rcPaint, object.properties.backColor);
        EndPaint(window, &paint);
    }
}

// Draws the whole background into a caller's device context.
static void OnPrintClient(HWND window, const WindowObject& object, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    PaintWindowBackground(dc, client, object.properties.backColor);
}

// The window got the focus: pass it on to the control that had it at the
// last deactivation, or else to the first control in Tab order.
static void OnSetFocus(HWND window, const WindowObject& object) {
    RaiseWindowEvent(object, kEventGotFocus);
    const WindowUnit* unit = FindUnitOfWindow(window);
    if (!unit || !IsWindow(window)) {
        return;
    }
    if (object.rememberedFocus && IsChild(window, object.rememberedFocus)) {
        SetFocus(object.rememberedFocus);
        return;
    }
    FocusFirstControl(*unit);
}

// Activation and deactivation: the focused control is remembered on the way out.
static void OnActivate(HWND window, WindowObject& object, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus(window, object);
        RaiseWindowEvent(object, kEventDeactivated);
        return;
    }
    RaiseWindowEvent(object, kEventActivated);
    if (!object.activatedOnce) {
        object.activatedOnce = true;
        RaiseWindowEvent(object, kEventFirstActivation);
    }
}

// Close button, Alt+F4, the system menu or Esc: the close queries may keep the window.
static LRESULT OnClose(HWND window, const WindowObject& object) {
    if (CloseQueryRefused(object, kEventCloseQuery2) || CloseQueryRefused(object, kEventCloseQuery)) {
        return 0;
    }
    DestroyWindow(window);
    return 0;
}

// The window is going: its event, and the help file F1 opened.
static void OnDestroy(HWND window, WindowObject& object) {
    RaiseWindowEvent(object, kEventDestroying);
    if (object.helpOpened) {
        WinHelpA(window, object.properties.helpFile.c_str(), HELP_QUIT, 0);
        object.helpOpened = false;
    }
}

// The window's last message: its unit's records go back to how they were
// before the build, and the program ends with its last window.
static void OnNcDestroy(HWND window, WindowObject* object) {
    if (WindowUnit* unit = FindUnitOfWindow(window)) {
        unit->working = unit->buildCopy;
        unit->liveObject.assign(unit->liveObject.size(), nullptr);
        unit->creationOrder.clear();
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (object) {
        if (object->bigIcon) {
            DestroyIcon(object->bigIcon);
        }
        if (object->smallIcon) {
            DestroyIcon(object->smallIcon);
        }
        delete object;
    }
    if (!AnyWindowAlive() && MessageLoopStarted()) {
        PostQuitMessage(0);
    }
}

// A window that may be dragged anywhere takes presses in its client area for its caption.
static LRESULT OnNcHitTest(HWND window, const WindowObject& object, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = DefWindowProcA(window, WM_NCHITTEST, wParam, lParam);
    return object.properties.dragAnywhere == 1 && hit == HTCLIENT ? HTCAPTION : hit;
}

// The stored outer size is exact, even when it is below the system's minimum tracking size.
static void OnGetMinMaxInfo(const WindowObject& object, MINMAXINFO* info) {
    info->ptMinTrackSize.x = std::min<LONG>(info->ptMinTrackSize.x, object.outerWidth);
    info->ptMinTrackSize.y = std::min<LONG>(info->ptMinTrackSize.y, object.outerHeight);
}

static LRESULT HandleMessage(HWND window, WindowObject& object, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectNotification(message, wParam, lParam, reflected)) {
        return reflected;
    }
    switch (message) {
    case WM_PAINT:
        OnPaint(window, object);
        return 0;
    case WM_PRINTCLIENT:
        OnPrintClient(window, object, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(window, object);
        return 0;
    case WM_KILLFOCUS:
        RaiseWindowEvent(object, kEventLostFocus);
        return 0;
    case WM_ACTIVATE:
        OnActivate(window, object, wParam);
        break;
    case WM_SYSCOMMAND:
        // Minimising takes the focus away before the window is deactivated.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            RememberFocus(window, object);
        }
        break;
    case WM_NCACTIVATE:
        if (object.properties.keepTitleActive == 1 && IsWindowEnabled(window)) {
            return DefWindowProcA(window, message, TRUE, lParam);
        }
        break;
    case WM_NCHITTEST:
        return OnNcHitTest(window, object, wParam, lParam);
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(object, reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_MOVE:
        RaiseWindowEvent(object, kEventMoved);
        break;
    case WM_SIZE:
        RaiseWindowEvent(object, kEventResized);
        break;
    case WM_SHOWWINDOW:
        RaiseWindowEvent(object, wParam ? kEventShown : kEventHidden);
        break;
    case WM_SETFONT:
        object.font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(object.font);
    case WM_CLOSE:
        return OnClose(window, object);
    case WM_DESTROY:
        OnDestroy(window, object);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        return OnNcCreate(window, message, wParam, lParam);
    }
    auto* object = reinterpret_cast<WindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        OnNcDestroy(window, object);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (!object) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return HandleMessage(window, *object, message, wParam, lParam);
}
