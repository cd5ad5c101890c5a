#include "ui/window/window_focus.h"

#include <windows.h>

#include "ui/rules/tab_order.h"
#include "ui/window/control_kind.h"
#include "ui/window/window_units.h"

// The focus rules look at the controls as they are now: a control hidden or
// disabled since the build does not take the focus. Visibility is the
// control's own flag, so a window that is not yet shown still has candidates.
static FocusCandidate DescribeControl(const WindowUnit& unit, int element) {
    FocusCandidate candidate;
    HWND control = LiveElement(unit, element);
    if (!control) {
        return candidate;
    }
    const ControlRecord& record = unit.working[static_cast<size_t>(element)];
    const ControlKind* kind = FindControlKind(record.kind);
    candidate.exists = true;
    candidate.visible = (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
    candidate.enabled = IsWindowEnabled(control) != FALSE;
    candidate.tabStop = (record.stateFlags & kStateTabStop) != 0;
    candidate.traits = kind ? kind->traits : 0;
    candidate.tabOrder = record.tabOrder;
    return candidate;
}

static std::vector<FocusCandidate> DescribeControls(const WindowUnit& unit) {
    std::vector<FocusCandidate> controls;
    controls.reserve(unit.creationOrder.size());
    for (int element : unit.creationOrder) {
        controls.push_back(DescribeControl(unit, element));
    }
    return controls;
}

static int CreationIndexOf(const WindowUnit& unit, int element) {
    for (size_t i = 0; i < unit.creationOrder.size(); i++) {
        if (unit.creationOrder[i] == element) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

static bool FocusCreationIndex(const WindowUnit& unit, int index) {
    if (index < 0) {
        return false;
    }
    HWND control = LiveElement(unit, unit.creationOrder[static_cast<size_t>(index)]);
    if (!control) {
        return false;
    }
    SetFocus(control);
    return true;
}

bool FocusFirstControl(const WindowUnit& unit) {
    return FocusCreationIndex(unit, FirstFocus(DescribeControls(unit)));
}

bool MoveFocusFrom(const WindowUnit& unit, int element, bool forward) {
    int from = CreationIndexOf(unit, element);
    return FocusCreationIndex(unit, NextInTabOrder(DescribeControls(unit), from, forward));
}

bool MoveFocus(const WindowUnit& unit, bool forward) {
    return MoveFocusFrom(unit, ElementOfWindow(unit, GetFocus()), forward);
}
