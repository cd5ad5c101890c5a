#include "ui/kinds/edit_box_control.h"

#include <climits>

#include "ui/kinds/input_filter.h"
#include "ui/kinds/kind_color.h"
#include "ui/kinds/kind_font.h"
#include "ui/window/event_dispatch.h"
#include "ui/window/reflection.h"

static const char kEditBoxProp[] = "ppicalc.EditBox";
// The box must be tall enough for this character, the tallest of the texts
// it is meant for; "W" gives the height of the one line of a single-line box.
static const char kTallText[] = "\xCE\xE2"; // "吴"
static const char kLineText[] = "W";

constexpr DWORD kEdgeExStyles = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;

EditBox::~EditBox() {
    if (backBrush != nullptr) {
        DeleteObject(backBrush);
    }
    if (ownedFont != nullptr) {
        DeleteObject(ownedFont);
    }
}

EditBox* FindEditBox(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    return static_cast<EditBox*>(GetPropA(hwnd, kEditBoxProp));
}

bool IsSingleLine(const EditBox& box) { return box.properties.multiLine != 1; }

static LRESULT CallOriginal(const EditBox& box, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(box.originalProc, box.hwnd, message, wParam, lParam);
}

// The client rectangle in the window's own coordinates (origin at the
// window's top-left corner), as window DCs use them.
static RECT ClientRectInWindow(HWND hwnd) {
    RECT window{};
    GetWindowRect(hwnd, &window);
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
}

// Narrows the platform's client rectangle to one line of text in its
// vertical middle. The spare height is halved truncating toward zero, as the
// line sits. A rectangle no taller than a line is left alone, so the client
// area never reaches into the frame.
static void NarrowToOneLine(int lineHeight, RECT& client) {
    int spare = client.bottom - client.top - lineHeight;
    if (lineHeight <= 0 || spare <= 0) {
        return;
    }
    client.top += spare / 2;
    client.bottom = client.top + lineHeight;
}

// Computes the client area: the platform's, narrowed to one line.
static LRESULT OnNcCalcSize(EditBox& box, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallOriginal(box, WM_NCCALCSIZE, wParam, lParam);
    if (IsSingleLine(box)) {
        RECT* client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                              : reinterpret_cast<RECT*>(lParam);
        NarrowToOneLine(box.lineHeight, *client);
    }
    return result;
}

// Paints the band between the frame and the line of text with the
// background brush. The platform's frame is drawn first and the band is
// limited to what lies inside it: a themed frame fills its whole interior,
// which would otherwise cover the band.
static void PaintLineBand(const EditBox& box) {
    HWND hwnd = box.hwnd;
    RECT window{};
    GetWindowRect(hwnd, &window);
    OffsetRect(&window, -window.left, -window.top);
    RECT inside = window;
    // The thickness of the frame, from the styles as they are now.
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & ~static_cast<DWORD>(WS_CAPTION),
                       FALSE, static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
    inside.left -= frame.left;
    inside.top -= frame.top;
    inside.right -= frame.right;
    inside.bottom -= frame.bottom;
    RECT client = ClientRectInWindow(hwnd);
    HDC dc = GetWindowDC(hwnd);
    if (dc == nullptr) {
        return;
    }
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    FillRect(dc, &inside, box.backBrush);
    ReleaseDC(hwnd, dc);
}

// Draws the frame; a single-line box also paints its band.
static LRESULT OnNcPaint(EditBox& box, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallOriginal(box, WM_NCPAINT, wParam, lParam);
    if (IsSingleLine(box)) {
        PaintLineBand(box);
    }
    return result;
}

// Erases the client area of a single-line box with the background brush.
static LRESULT OnEraseBackground(EditBox& box, WPARAM wParam, LPARAM lParam) {
    if (!IsSingleLine(box)) {
        return CallOriginal(box, WM_ERASEBKGND, wParam, lParam);
    }
    RECT client{};
    GetClientRect(box.hwnd, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, box.backBrush);
    return 1;
}

// A point in the band of a single-line box is border, so clicks there leave
// the caret alone.
static LRESULT OnNcHitTest(EditBox& box, WPARAM wParam, LPARAM lParam) {
    LRESULT hit = CallOriginal(box, WM_NCHITTEST, wParam, lParam);
    if (!IsSingleLine(box)) {
        return hit;
    }
    // Screen coordinates, signed: on a second monitor left of the first they are negative.
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT window{};
    GetWindowRect(box.hwnd, &window);
    RECT client{};
    GetClientRect(box.hwnd, &client);
    MapWindowPoints(box.hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (PtInRect(&window, point) && !PtInRect(&client, point)) {
        return HTBORDER;
    }
    return hit;
}

// The colours of a single-line box, asked through the parent's reflection.
static LRESULT OnCtlColor(EditBox& box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsSingleLine(box)) {
        return CallOriginal(box, message, wParam, lParam);
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, ResolveKindColor(box.properties.textColor));
    SetBkColor(dc, ResolveKindColor(box.properties.backColor));
    return reinterpret_cast<LRESULT>(box.backBrush);
}

// Drops typed characters that the input mode does not take.
static LRESULT OnChar(EditBox& box, WPARAM wParam, LPARAM lParam) {
    if (!InputModeAccepts(box.properties.inputMode, static_cast<uint32_t>(wParam))) {
        return 0;
    }
    return CallOriginal(box, WM_CHAR, wParam, lParam);
}

// The content changed: event 0, unless a property write is replacing the
// text (that write raises the event itself, once).
static void OnContentChanged(const EditBox& box) {
    if (box.settingText) {
        return;
    }
    RaiseSimpleEvent(box.windowId, box.controlId, kEventClick);
}

// Got or lost the focus: the platform's handling, then the event. A handler
// may destroy the box, so nothing touches it afterwards.
static LRESULT OnFocusChange(EditBox& box, UINT message, WPARAM wParam, LPARAM lParam, int32_t eventNumber) {
    LRESULT result = CallOriginal(box, message, wParam, lParam);
    RaiseSimpleEvent(box.windowId, box.controlId, eventNumber);
    return result;
}

// The window's last message: it gets its own procedure back and the box goes.
static LRESULT OnNcDestroy(EditBox* box, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = box->hwnd;
    WNDPROC original = box->originalProc;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(hwnd, kEditBoxProp);
    LRESULT result = CallWindowProcA(original, hwnd, WM_NCDESTROY, wParam, lParam);
    // The font and brush go after the window no longer draws with them.
    delete box;
    return result;
}

static bool IsOwnChangeNotice(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    return HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == hwnd;
}

static LRESULT CALLBACK EditBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    EditBox* box = FindEditBox(hwnd);
    if (box == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_NCCALCSIZE:
        return OnNcCalcSize(*box, wParam, lParam);
    case WM_NCPAINT:
        return OnNcPaint(*box, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(*box, wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(*box, wParam, lParam);
    case kReflectedCtlColorEdit:
    case kReflectedCtlColorStatic:
        return OnCtlColor(*box, message, wParam, lParam);
    case WM_CHAR:
        return OnChar(*box, wParam, lParam);
    case WM_COMMAND: // the notice a text write sends the box itself
        if (IsOwnChangeNotice(hwnd, wParam, lParam)) {
            OnContentChanged(*box);
            return 0;
        }
        break;
    case kReflectedCommand:
        if (HIWORD(wParam) == EN_CHANGE) {
            OnContentChanged(*box);
        }
        return 0;
    case WM_SETFOCUS:
        return OnFocusChange(*box, message, wParam, lParam, kEventGotFocus);
    case WM_KILLFOCUS:
        return OnFocusChange(*box, message, wParam, lParam, kEventLostFocus);
    case WM_NCDESTROY:
        return OnNcDestroy(box, wParam, lParam);
    default:
        break;
    }
    return CallOriginal(*box, message, wParam, lParam);
}

bool AttachEditBox(HWND hwnd, EditBox* box) {
    box->hwnd = hwnd;
    if (!SetPropA(hwnd, kEditBoxProp, box)) {
        return false;
    }
    LONG_PTR original = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditBoxProc));
    if (original == 0) {
        RemovePropA(hwnd, kEditBoxProp);
        return false;
    }
    box->originalProc = reinterpret_cast<WNDPROC>(original);
    return true;
}

static int WindowHeight(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
}

static int WindowWidth(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect.right - rect.left;
}

static void RecomputeFrame(HWND hwnd) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyEditBoxFont(EditBox& box, HFONT ownedFont) {
    HFONT oldFont = box.ownedFont;
    box.ownedFont = ownedFont;
    HFONT font = KindFontOrDefault(ownedFont);
    box.lineHeight = MeasureTextHeight(font, kLineText, 1);
    if (IsSingleLine(box)) {
        int needed = MeasureTextHeight(font, kTallText, 2) + 2 * GetSystemMetrics(SM_CYEDGE);
        if (WindowHeight(box.hwnd) < needed) {
            SetWindowPos(box.hwnd, nullptr, 0, 0, WindowWidth(box.hwnd), needed,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    SendMessageA(box.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (IsSingleLine(box)) {
        RecomputeFrame(box.hwnd);
    }
    if (oldFont != nullptr && oldFont != ownedFont) {
        DeleteObject(oldFont);
    }
}

void ApplyEditBoxBorder(const EditBox& box) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(box.hwnd, GWL_STYLE)) & ~static_cast<DWORD>(WS_BORDER);
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(box.hwnd, GWL_EXSTYLE)) & ~kEdgeExStyles;
    switch (box.properties.border) {
    case 1:
        exStyle |= WS_EX_CLIENTEDGE;
        break;
    case 2:
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case 3:
        exStyle |= WS_EX_STATICEDGE;
        break;
    case 4:
        exStyle |= WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
        break;
    case 5:
        style |= WS_BORDER;
        break;
    default: // 0: no border
        break;
    }
    SetWindowLongA(box.hwnd, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongA(box.hwnd, GWL_EXSTYLE, static_cast<LONG>(exStyle));
    RecomputeFrame(box.hwnd);
}

void ApplyEditBoxBackColor(EditBox& box) {
    HBRUSH brush = CreateSolidBrush(ResolveKindColor(box.properties.backColor));
    if (brush == nullptr) {
        return; // keeps the old brush: a box painted in its old colour beats one not painted
    }
    HBRUSH oldBrush = box.backBrush;
    box.backBrush = brush;
    if (oldBrush != nullptr) {
        DeleteObject(oldBrush);
    }
    if (box.hwnd != nullptr) {
        RedrawWindow(box.hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    }
}

// Start + length without overflowing a 32-bit position.
static int32_t SelectionEnd(int32_t start, int32_t length) {
    if (length > INT32_MAX - start) {
        return INT32_MAX;
    }
    return start + length;
}

void ApplyEditBoxSelection(const EditBox& box) {
    int32_t start = box.properties.selStart;
    int32_t length = box.properties.selLength;
    WPARAM from = 0;
    LPARAM to = 0;
    if (length == -1) {
        to = -1; // (0, -1) selects the whole text
    } else {
        // The platform clamps positions to the text's end, which is where a
        // start of -1 puts the caret.
        int32_t first = start == -1 ? INT32_MAX : (start < 0 ? 0 : start);
        int32_t count = length < 0 ? 0 : length;
        from = static_cast<WPARAM>(first);
        to = SelectionEnd(first, count);
    }
    SendMessageA(box.hwnd, EM_SETSEL, from, to);
    SendMessageA(box.hwnd, EM_SCROLLCARET, 0, 0);
}

std::string ReadEditBoxText(HWND hwnd) {
    // The length may count more than the text holds (double-byte texts), never less.
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void WriteEditBoxText(EditBox& box, const std::string& text) {
    box.settingText = true;
    box.properties.text = text;
    SetWindowTextA(box.hwnd, box.properties.text.c_str());
    box.settingText = false;
    // Raises event 0 exactly once, also when the text did not change.
    SendMessageA(box.hwnd, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(box.hwnd));
}
