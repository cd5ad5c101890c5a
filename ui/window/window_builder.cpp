#include "ui/window/window_units.h"

#include "ui/description/identifiers.h"
#include "ui/description/window_properties.h"
#include "ui/rules/creation_order.h"
#include "ui/window/control_kind.h"
#include "ui/window/message_pump.h"
#include "ui/window/reflection.h"
#include "ui/window/window_kind.h"
#include "ui/window/window_object.h"

// Building a window from its unit. The window and its controls are created
// hidden with events blocked, then wired up (parents, stacking, visibility)
// and only then shown, so no handler sees a half-built window.

// The record's state bits as creation styles: disabled and tab stop only.
static DWORD StateStyle(const ControlRecord& record) {
    DWORD style = 0;
    if (record.stateFlags & kStateDisabled) {
        style |= WS_DISABLED;
    }
    if (record.stateFlags & kStateTabStop) {
        style |= WS_TABSTOP;
    }
    return style;
}

static CreateArgs MakeCreateArgs(const WindowUnit& unit, int element, HWND parent, UINT childId) {
    const ControlRecord& record = unit.working[static_cast<size_t>(element)];
    CreateArgs args;
    args.kindRecord = record.kindRecord.data();
    args.kindRecordLength = record.kindRecord.size();
    args.style = StateStyle(record);
    args.parent = parent;
    args.childId = childId;
    args.left = record.left;
    args.top = record.top;
    args.width = record.width;
    args.height = record.height;
    args.windowId = unit.windowId;
    args.controlId = ElementId(unit, element);
    return args;
}

// Step 1: a window that exists is brought back instead of built again.
static void BringBack(HWND window) {
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    } else {
        SetForegroundWindow(window);
        SetActiveWindow(window);
    }
}

// Step 5: the window itself, through the window kind.
static bool CreateTopWindow(WindowUnit& unit, HWND owner) {
    if (FindControlKind(unit.working[0].kind) != &kWindowKind) {
        return false;
    }
    HWND window = kWindowKind.createControl(MakeCreateArgs(unit, 0, owner, 0));
    unit.liveObject[0] = window;
    return window != nullptr;
}

// Step 6: the controls from the last element to element 1, child ids 100,
// 110, ... A kind that is unknown, is the window kind, or makes nothing
// fails the build.
static bool CreateControls(WindowUnit& unit) {
    int count = static_cast<int>(unit.working.size());
    for (int created = 0; created < count - 1; created++) {
        HWND window = LiveElement(unit, 0);
        int element = ElementOfCreation(created, count);
        const ControlKind* kind = FindControlKind(unit.working[static_cast<size_t>(element)].kind);
        if (!window || !kind || kind == &kWindowKind || !kind->createControl) {
            return false;
        }
        HWND control = kind->createControl(MakeCreateArgs(unit, element, window, ChildIdOfCreation(created)));
        if (!control) {
            return false;
        }
        unit.liveObject[static_cast<size_t>(element)] = control;
        unit.creationOrder.push_back(element);
    }
    return LiveElement(unit, 0) != nullptr;
}

// Controls listed after the first 0 in a paged container's childIds belong
// to the pages that are not shown first.
static void HideLaterPages(WindowUnit& unit, const ControlRecord& container) {
    bool afterFirstPage = false;
    for (uint32_t id : container.childIds) {
        if (id == 0) {
            afterFirstPage = true;
            continue;
        }
        int element = FindElement(unit, id);
        if (afterFirstPage && element > 0) {
            unit.working[static_cast<size_t>(element)].stateFlags &= ~kStateVisible;
        }
    }
}

// Step 7: every control to its container (parentId, 0 = the window).
static void AssignParents(WindowUnit& unit) {
    for (size_t i = 1; i < unit.working.size(); i++) {
        const ControlRecord& record = unit.working[i];
        if (record.parentId != 0) {
            int parent = FindElement(unit, record.parentId);
            HWND parentWindow = LiveElement(unit, parent);
            if (parent > 0 && static_cast<size_t>(parent) != i && parentWindow) {
                SetParent(unit.liveObject[i], parentWindow);
            }
        }
        const ControlKind* kind = FindControlKind(record.kind);
        if (kind && (kind->traits & kTraitPagedContainer)) {
            HideLaterPages(unit, record);
        }
    }
}

// Step 8: element 1 on top, each next element of the same parent below the
// one before it.
static void StackControls(const WindowUnit& unit) {
    for (size_t i = 1; i < unit.working.size(); i++) {
        HWND after = HWND_TOP;
        for (size_t j = i - 1; j >= 1; j--) {
            if (unit.working[j].parentId == unit.working[i].parentId) {
                after = unit.liveObject[j];
                break;
            }
        }
        SetWindowPos(unit.liveObject[i], after, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
}

static void SendToElements(const WindowUnit& unit, UINT message) {
    for (size_t i = unit.liveObject.size(); i-- > 0;) {
        if (HWND window = LiveElement(unit, static_cast<int>(i))) {
            SendMessageA(window, message, 0, 0);
        }
    }
}

// Step 11: in creation order; a kind that keeps its controls hidden stays so.
static void ShowControls(const WindowUnit& unit) {
    for (int element : unit.creationOrder) {
        const ControlRecord& record = unit.working[static_cast<size_t>(element)];
        const ControlKind* kind = FindControlKind(record.kind);
        bool visible = (record.stateFlags & kStateVisible) && !(kind && (kind->traits & kTraitHiddenNoFocus));
        ShowWindow(unit.liveObject[static_cast<size_t>(element)], visible ? SW_SHOWNA : SW_HIDE);
    }
}

// Step 13: built, moved, resized, as long as a handler leaves the window standing.
static void RaiseBuiltEvents(const WindowUnit& unit) {
    for (int32_t eventNumber : {kEventClick, kEventMoved, kEventResized}) {
        if (!LiveElement(unit, 0)) {
            return;
        }
        RaiseSimpleEvent(unit.windowId, kWindowElementId, eventNumber);
    }
}

// Step 14: shown as its start position says; a control that has the focus
// then hears about it.
static void ShowBuiltWindow(const WindowUnit& unit) {
    HWND window = LiveElement(unit, 0);
    WindowObject* object = WindowObjectOf(window);
    if (!object || !(unit.working[0].stateFlags & kStateVisible)) {
        return;
    }
    ShowWindowOfKind(window, object->properties);
    int focused = ElementOfWindow(unit, GetFocus());
    if (focused > 0) {
        RaiseSimpleEvent(unit.windowId, ElementId(unit, focused), kEventGotFocus);
    }
}

// Step 15: the kinds' last word after showing may not steal the focus.
static void FinishBuild(const WindowUnit& unit) {
    HWND focus = GetFocus();
    SendToElements(unit, kMsgWindowShown);
    if (focus && GetFocus() != focus && IsWindow(focus)) {
        SetFocus(focus);
    }
    if (WindowObject* object = WindowObjectOf(LiveElement(unit, 0))) {
        object->loaded = true;
    }
}

// Destroying the window takes its controls with it and, through the
// window's last message, puts the records back as they were.
static bool AbandonBuild(WindowUnit& unit) {
    if (HWND window = LiveElement(unit, 0)) {
        DestroyWindow(window);
    }
    for (HWND& control : unit.liveObject) {
        if (control && IsWindow(control)) {
            DestroyWindow(control);
        }
        control = nullptr;
    }
    unit.working = unit.buildCopy;
    unit.creationOrder.clear();
    UnblockEvents();
    return false;
}

bool BuildWindow(uint32_t windowId, HWND owner) {
    WindowUnit* unit = IsValidId(windowId) ? FindWindowUnit(windowId) : nullptr;
    if (!unit || unit->working.empty()) {
        return false;
    }
    if (HWND window = LiveElement(*unit, 0)) {
        BringBack(window);
        return true;
    }
    PumpWaitingMessages();
    BlockEvents();
    unit->buildCopy = unit->working;
    unit->liveObject.assign(unit->working.size(), nullptr);
    unit->creationOrder.clear();
    if (!CreateTopWindow(*unit, owner) || !CreateControls(*unit)) {
        return AbandonBuild(*unit);
    }
    AssignParents(*unit);
    StackControls(*unit);
    // No cursors are made: pointer number 0 is the default pointer, and the
    // other numbers have no cursor data in this program.
    SendToElements(*unit, kMsgAllControlsCreated);
    SendMessageA(unit->liveObject[0], kMsgLayoutDockedBars, 0, 0);
    ShowControls(*unit);
    PumpWaitingMessages();
    UnblockEvents();
    RaiseBuiltEvents(*unit);
    ShowBuiltWindow(*unit);
    FinishBuild(*unit);
    return LiveElement(*unit, 0) != nullptr;
}
