#include "ui/window/control_recreation.h"

#include "ui/description/control_record.h"
#include "ui/window/control_kind.h"
#include "ui/window/event_dispatch.h"
#include "ui/window/message_pump.h"
#include "ui/window/window_units.h"

// The control's rectangle in its parent's client area.
static RECT PlaceInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

static HWND MakeReplacement(const WindowUnit& unit, int element, const ControlKind& kind, HWND old,
                            const std::vector<uint8_t>& kindRecord) {
    const ControlRecord& record = unit.working[static_cast<size_t>(element)];
    RECT place = PlaceInParent(old);
    CreateArgs args;
    args.kindRecord = kindRecord.data();
    args.kindRecordLength = kindRecord.size();
    args.style = (IsWindowEnabled(old) ? 0 : WS_DISABLED) | ((record.stateFlags & kStateTabStop) ? WS_TABSTOP : 0);
    args.parent = GetParent(old);
    args.childId = static_cast<UINT>(GetDlgCtrlID(old));
    args.left = place.left;
    args.top = place.top;
    args.width = place.right - place.left;
    args.height = place.bottom - place.top;
    args.windowId = unit.windowId;
    args.controlId = ElementId(unit, element);
    return kind.createControl(args);
}

static void SwapIn(WindowUnit& unit, int element, HWND old, HWND fresh) {
    HWND focus = GetFocus();
    bool hadFocus = focus && (focus == old || IsChild(old, focus));
    bool visible = (GetWindowLongA(old, GWL_STYLE) & WS_VISIBLE) != 0;
    SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    unit.liveObject[static_cast<size_t>(element)] = fresh;
    DestroyWindow(old);
    if (visible) {
        ShowWindow(fresh, SW_SHOWNA);
    }
    if (hadFocus) {
        SetFocus(fresh);
    }
}

void RecreateControl(WindowUnit& unit, int element, const ControlKind& kind) {
    if (!kind.createControl || !kind.saveKindProperties) {
        return;
    }
    PumpWaitingMessages();
    BlockEvents();
    // The queue may have taken the control or its window away meanwhile.
    HWND old = LiveElement(unit, element);
    if (old) {
        std::vector<uint8_t> kindRecord = kind.saveKindProperties(old);
        if (HWND fresh = MakeReplacement(unit, element, kind, old, kindRecord)) {
            SwapIn(unit, element, old, fresh);
        }
    }
    PumpWaitingMessages();
    UnblockEvents();
}
