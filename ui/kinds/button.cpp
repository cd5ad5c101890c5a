#include "ui/kinds/button.h"

#include <windows.h>

#include <memory>

#include "ui/description/button_properties.h"
#include "ui/description/identifiers.h"
#include "ui/kinds/kind_font.h"
#include "ui/kinds/kind_values.h"
#include "ui/window/control_kind.h"
#include "ui/window/event_dispatch.h"
#include "ui/window/reflection.h"

static const char kButtonProp[] = "ppicalc.Button";

constexpr DWORD kAlignStyles = BS_LEFT | BS_RIGHT | BS_CENTER | BS_TOP | BS_BOTTOM | BS_VCENTER;
constexpr int32_t kLargestButtonType = 1;
constexpr int32_t kLargestAlign = 2;

// Kind-specific property indices (PropertyIndex - 8).
enum ButtonIndex : int32_t {
    kButtonPicture,
    kButtonType,
    kButtonCaption,
    kButtonHAlign,
    kButtonVAlign,
    kButtonFont,
    kButtonPropertyCount
};

static const ValueClass kButtonClasses[kButtonPropertyCount] = {
    ValueClass::ByteBlock, // picture
    ValueClass::Choice,    // buttonType 0..1
    ValueClass::Text,      // caption
    ValueClass::Choice,    // hAlign 0..2
    ValueClass::Choice,    // vAlign 0..2
    ValueClass::Font,      // font
};

// A live button; hangs off its window as a property and goes with it.
struct Button {
    HWND hwnd = nullptr;
    WNDPROC originalProc = nullptr;
    ButtonProperties properties;
    HFONT ownedFont = nullptr; // null: the stock GUI font
    uint32_t windowId = 0;
    uint32_t controlId = 0;

    Button() = default;
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;
    ~Button() {
        if (ownedFont != nullptr) {
            DeleteObject(ownedFont);
        }
    }
};

static Button* FindButton(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    return static_cast<Button*>(GetPropA(hwnd, kButtonProp));
}

static LRESULT CallOriginal(const Button& button, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(button.originalProc, button.hwnd, message, wParam, lParam);
}

static DWORD AlignStyle(const ButtonProperties& p) {
    static const DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    static const DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    return kHorizontal[ClampChoice(p.hAlign, kLargestAlign)] | kVertical[ClampChoice(p.vAlign, kLargestAlign)];
}

static DWORD TypeStyle(const ButtonProperties& p) {
    return p.buttonType == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

static DWORD ButtonStyle(const ButtonProperties& p, DWORD recordStyle) {
    return WS_CHILD | WS_CLIPSIBLINGS | BS_MULTILINE | recordStyle | TypeStyle(p) | AlignStyle(p);
}

// A click reflected back by the parent: event 0, which runs the bound
// handler to its end before the click's processing returns.
static LRESULT OnReflectedCommand(const Button& button, WPARAM wParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        RaiseSimpleEvent(button.windowId, button.controlId, kEventClick);
    }
    return 0;
}

// Got or lost the focus: the platform's handling, then the event. A handler
// may destroy the button, so nothing touches it afterwards.
static LRESULT OnFocusChange(const Button& button, UINT message, WPARAM wParam, LPARAM lParam, int32_t eventNumber) {
    LRESULT result = CallOriginal(button, message, wParam, lParam);
    RaiseSimpleEvent(button.windowId, button.controlId, eventNumber);
    return result;
}

// The window's last message: it gets its own procedure back and the button goes.
static LRESULT OnNcDestroy(Button* button, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = button->hwnd;
    WNDPROC original = button->originalProc;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(hwnd, kButtonProp);
    LRESULT result = CallWindowProcA(original, hwnd, WM_NCDESTROY, wParam, lParam);
    delete button; // the font goes after the window no longer draws with it
    return result;
}

static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Button* button = FindButton(hwnd);
    if (button == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case kReflectedCommand:
        return OnReflectedCommand(*button, wParam);
    case WM_SETFOCUS:
        return OnFocusChange(*button, message, wParam, lParam, kEventGotFocus);
    case WM_KILLFOCUS:
        return OnFocusChange(*button, message, wParam, lParam, kEventLostFocus);
    case WM_NCDESTROY:
        return OnNcDestroy(button, wParam, lParam);
    default:
        return CallOriginal(*button, message, wParam, lParam);
    }
}

static bool AttachButton(HWND hwnd, Button* button) {
    button->hwnd = hwnd;
    if (!SetPropA(hwnd, kButtonProp, button)) {
        return false;
    }
    LONG_PTR original = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProc));
    if (original == 0) {
        RemovePropA(hwnd, kButtonProp);
        return false;
    }
    button->originalProc = reinterpret_cast<WNDPROC>(original);
    return true;
}

// Makes `ownedFont` (null: the stock GUI font) the button's font and deletes
// the previous own font.
static void ApplyFont(Button& button, HFONT ownedFont) {
    HFONT oldFont = button.ownedFont;
    button.ownedFont = ownedFont;
    SendMessageA(button.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(KindFontOrDefault(ownedFont)), TRUE);
    if (oldFont != nullptr && oldFont != ownedFont) {
        DeleteObject(oldFont);
    }
}

static HWND CreateButton(const CreateArgs& args) {
    auto button = std::make_unique<Button>();
    if (!ReadButtonProperties(args.kindRecord, args.kindRecordLength, button->properties)) {
        return nullptr;
    }
    button->windowId = args.windowId;
    button->controlId = args.controlId;
    HWND hwnd = CreateWindowExA(0, "BUTTON", button->properties.caption.c_str(),
                                ButtonStyle(button->properties, args.style), args.left, args.top, args.width,
                                args.height, args.parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(args.childId)),
                                GetModuleHandleA(nullptr), nullptr);
    if (hwnd == nullptr) {
        return nullptr;
    }
    if (!AttachButton(hwnd, button.get())) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    Button& live = *button.release(); // the window owns it now
    ApplyFont(live, CreateKindFont(live.properties.font.data(), live.properties.font.size()));
    return hwnd;
}

static bool GetButtonProperty(HWND control, int32_t index, KindValue& value) {
    const Button* button = FindButton(control);
    if (button == nullptr) {
        return false;
    }
    const ButtonProperties& p = button->properties;
    switch (index) {
    case kButtonPicture: value.bytes.assign(p.picture.begin(), p.picture.end()); return true;
    case kButtonType: value.number = p.buttonType; return true;
    case kButtonCaption: value.bytes = p.caption; return true;
    case kButtonHAlign: value.number = p.hAlign; return true;
    case kButtonVAlign: value.number = p.vAlign; return true;
    case kButtonFont: value.bytes.assign(p.font.begin(), p.font.end()); return true;
    default: return false;
    }
}

static void ApplyTypeStyle(const Button& button) {
    // BM_SETSTYLE replaces only the type bits and redraws.
    SendMessageA(button.hwnd, BM_SETSTYLE, TypeStyle(button.properties), TRUE);
}

static void ApplyAlignStyle(const Button& button) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(button.hwnd, GWL_STYLE)) & ~kAlignStyles;
    SetWindowLongA(button.hwnd, GWL_STYLE, static_cast<LONG>(style | AlignStyle(button.properties)));
    InvalidateRect(button.hwnd, nullptr, TRUE);
}

static bool SetButtonProperty(HWND control, int32_t index, const KindValue& value) {
    Button* button = FindButton(control);
    if (button == nullptr) {
        return false;
    }
    ButtonProperties& p = button->properties;
    switch (index) {
    case kButtonPicture:
        p.picture.assign(value.bytes.begin(), value.bytes.end());
        return true;
    case kButtonType:
        p.buttonType = ClampChoice(value.number, kLargestButtonType);
        ApplyTypeStyle(*button);
        return false;
    case kButtonCaption:
        p.caption = value.bytes;
        SetWindowTextA(control, p.caption.c_str());
        return false;
    case kButtonHAlign:
        p.hAlign = ClampChoice(value.number, kLargestAlign);
        ApplyAlignStyle(*button);
        return false;
    case kButtonVAlign:
        p.vAlign = ClampChoice(value.number, kLargestAlign);
        ApplyAlignStyle(*button);
        return false;
    case kButtonFont: {
        p.font.assign(value.bytes.begin(), value.bytes.end());
        ApplyFont(*button, CreateKindFont(p.font.data(), p.font.size()));
        return false;
    }
    default:
        return false;
    }
}

static std::vector<uint8_t> SaveButtonProperties(HWND control) {
    const Button* button = FindButton(control);
    if (button == nullptr) {
        return {};
    }
    return WriteButtonProperties(button->properties);
}

static bool ButtonIsDefault(HWND control) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

extern const ControlKind kButtonKind = {
    kKindButton,
    "\xB0\xB4\xC5\xA5", // "按钮"
    "Button",
    0x80000840,
    kFirstKindPropertyCount + kButtonPropertyCount,
    kButtonClasses,
    CreateButton,
    GetButtonProperty,
    SetButtonProperty,
    SaveButtonProperties,
    nullptr,
    ButtonIsDefault,
};
