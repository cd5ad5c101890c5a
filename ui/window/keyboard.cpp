#include "ui/window/pre_translate.h"

#include <initializer_list>
#include <string>

#include "ui/description/identifiers.h"
#include "ui/rules/key_code.h"
#include "ui/window/control_kind.h"
#include "ui/window/event_dispatch.h"
#include "ui/window/input_events.h"
#include "ui/window/window_focus.h"
#include "ui/window/window_object.h"
#include "ui/window/window_units.h"

// The window's look at key and mouse input before its target gets it.

static bool KeyIsDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

static uint32_t KeyCodeOf(const MSG& message) {
    return MakeKeyCode(static_cast<uint32_t>(message.wParam), KeyIsDown(VK_CONTROL), KeyIsDown(VK_SHIFT),
                       KeyIsDown(VK_MENU));
}

static const ControlKind* KindOfElement(const WindowUnit& unit, int element) {
    return element < 0 ? nullptr : FindControlKind(unit.working[static_cast<size_t>(element)].kind);
}

static bool FocusedControlWantsKey(const WindowUnit& unit, uint32_t keyCode) {
    int element = ElementOfWindow(unit, GetFocus());
    const ControlKind* kind = element > 0 ? KindOfElement(unit, element) : nullptr;
    return kind && kind->wantsKey && kind->wantsKey(unit.liveObject[static_cast<size_t>(element)], keyCode);
}

static bool IsDefaultButton(const WindowUnit& unit, int element) {
    const ControlKind* kind = KindOfElement(unit, element);
    HWND control = LiveElement(unit, element);
    return control && kind && (kind->traits & kTraitButtonLike) && kind->isDefaultButton &&
           kind->isDefaultButton(control);
}

static void Click(const WindowUnit& unit, int element) {
    RaiseSimpleEvent(unit.windowId, ElementId(unit, element), kEventClick);
}

// Enter: the focused default button is clicked; else the focus moves on when
// the window says so; else the first enabled default button is clicked.
static bool OnEnter(const WindowUnit& unit, const WindowObject& object) {
    int focused = ElementOfWindow(unit, GetFocus());
    if (focused > 0 && IsDefaultButton(unit, focused)) {
        Click(unit, focused);
        return true;
    }
    if (object.properties.enterMovesFocus == 1) {
        MoveFocus(unit, true);
        return true;
    }
    for (int element = 1; element < static_cast<int>(unit.working.size()); element++) {
        if (IsDefaultButton(unit, element) && IsWindowEnabled(LiveElement(unit, element))) {
            Click(unit, element);
            return true;
        }
    }
    return false;
}

static std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

// Alt+letter or digit: the first visible, enabled control whose text marks
// that key. A label passes the focus on; anything else is clicked.
static bool OnMnemonic(const WindowUnit& unit, uint32_t keyCode) {
    for (int element = 1; element < static_cast<int>(unit.working.size()); element++) {
        HWND control = LiveElement(unit, element);
        const ControlKind* kind = KindOfElement(unit, element);
        if (!control || !kind || !(kind->traits & kTraitMnemonicKinds) || !IsWindowVisible(control) ||
            !IsWindowEnabled(control) || !TextHasMnemonic(WindowText(control).c_str(), keyCode)) {
            continue;
        }
        if (kind->traits & kTraitLabelLike) {
            MoveFocusFrom(unit, element, true);
        } else {
            Click(unit, element);
        }
        return true;
    }
    return false;
}

static bool OnHelp(HWND window, WindowObject& object) {
    if (object.properties.f1Help != 1) {
        return false;
    }
    const char* file = object.properties.helpFile.c_str();
    uint32_t context = object.properties.helpContext;
    object.helpOpened = context != 0 ? WinHelpA(window, file, HELP_CONTEXT, context) != FALSE
                                     : WinHelpA(window, file, HELP_CONTENTS, 0) != FALSE;
    return true;
}

// The window's rules for one key press; true when the key was used up.
static bool ApplyWindowKeys(HWND window, const WindowUnit& unit, WindowObject& object, uint32_t keyCode) {
    switch (ClassifyWindowKey(keyCode)) {
    case WindowKey::TabForward:
        MoveFocus(unit, true);
        return true;
    case WindowKey::TabBackward:
        MoveFocus(unit, false);
        return true;
    case WindowKey::Enter:
        return OnEnter(unit, object);
    case WindowKey::Escape:
        if (object.properties.escCloses != 1) {
            return false;
        }
        SendMessageA(window, WM_CLOSE, 0, 0);
        return true;
    case WindowKey::Help:
        return OnHelp(window, object);
    case WindowKey::Mnemonic:
        return OnMnemonic(unit, keyCode);
    case WindowKey::Arrow: // no kind of this program is radio-like
    case WindowKey::None:
        return false;
    }
    return false;
}

static void RaiseInputEvent(const WindowUnit& unit, HWND target, int32_t eventNumber,
                            std::initializer_list<uint32_t> arguments) {
    int element = ElementOfWindow(unit, target);
    if (element < 0) {
        return;
    }
    EventRecord event;
    event.windowId = unit.windowId;
    event.controlId = ElementId(unit, element);
    event.eventNumber = eventNumber;
    for (uint32_t argument : arguments) {
        event.arguments[event.argumentCount++] = argument;
    }
    RaiseEvent(event);
}

static uint32_t MouseButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return 2;
    default:
        return 4;
    }
}

// Keys and mouse input the window did not use become the target's events.
static void RaiseTargetEvents(const WindowUnit& unit, const MSG& message) {
    auto x = static_cast<uint32_t>(static_cast<int16_t>(LOWORD(message.lParam)));
    auto y = static_cast<uint32_t>(static_cast<int16_t>(HIWORD(message.lParam)));
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        RaiseInputEvent(unit, message.hwnd, kEventKeyDown, {KeyCodeOf(message)});
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        RaiseInputEvent(unit, message.hwnd, kEventKeyUp, {KeyCodeOf(message)});
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        RaiseInputEvent(unit, message.hwnd, kEventMouseDown, {MouseButtonOf(message.message), x, y});
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        RaiseInputEvent(unit, message.hwnd, kEventMouseUp, {MouseButtonOf(message.message), x, y});
        break;
    case WM_MOUSEMOVE:
        RaiseInputEvent(unit, message.hwnd, kEventMouseMove, {static_cast<uint32_t>(message.wParam), x, y});
        break;
    default:
        break;
    }
}

static bool IsInputMessage(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

bool PreTranslateWindowMessage(MSG& message) {
    if (!message.hwnd || !IsInputMessage(message.message)) {
        return false;
    }
    HWND window = GetAncestor(message.hwnd, GA_ROOT);
    WindowUnit* unit = FindUnitOfWindow(window);
    WindowObject* object = WindowObjectOf(window);
    if (!unit || !object) {
        return false;
    }
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        uint32_t keyCode = KeyCodeOf(message);
        if (!FocusedControlWantsKey(*unit, keyCode) && ApplyWindowKeys(window, *unit, *object, keyCode)) {
            return true;
        }
    }
    // A handler of the window's keys may have closed the window.
    if (FindUnitOfWindow(window) == unit) {
        RaiseTargetEvents(*unit, message);
    }
    return false;
}
