#include "ui/window/control_access.h"

#include <algorithm>

#include "app/core/fatal_message.h"
#include "app/fatal_report.h"
#include "ui/window/access_messages.h"
#include "ui/window/caller_values.h"
#include "ui/window/control_kind.h"
#include "ui/window/control_recreation.h"
#include "ui/window/window_units.h"

// Positions are limited so that they stay clear of the 16-bit coordinate
// limits of the platform's window messages.
constexpr int32_t kPositionLimit = 32627;

static WindowUnit& UnitForAccess(uint32_t windowId) {
    WindowUnit* unit = FindWindowUnit(windowId);
    if (!unit) {
        ReportFatalError(kMessageAccessWindowNotLoaded, 0);
    }
    return *unit;
}

static int ElementForAccess(const WindowUnit& unit, uint32_t controlId) {
    int element = FindElement(unit, controlId);
    if (element < 0) {
        ReportFatalError(kMessageAccessControlNotFound, 0);
    }
    return element;
}

// The live control's rectangle: a child's in its parent's client area, a
// top-level window's on the screen.
static RECT LiveRectangle(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    if (GetWindowLongA(control, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

static uint64_t ReadCommonProperty(const WindowUnit& unit, int element, int32_t propertyIndex) {
    const ControlRecord& record = unit.working[static_cast<size_t>(element)];
    HWND control = LiveElement(unit, element);
    RECT rect = control ? LiveRectangle(control) : RECT{};
    auto number = [](int32_t value) { return static_cast<uint64_t>(static_cast<uint32_t>(value)); };
    switch (propertyIndex) {
    case kPropertyLeft:
        return number(control ? rect.left : record.left);
    case kPropertyTop:
        return number(control ? rect.top : record.top);
    case kPropertyWidth:
        return number(control ? rect.right - rect.left : record.width);
    case kPropertyHeight:
        return number(control ? rect.bottom - rect.top : record.height);
    case kPropertyTag:
        return TextToCaller(record.tag);
    case kPropertyVisible:
        return control ? (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0
                       : (record.stateFlags & kStateVisible) != 0;
    case kPropertyDisabled:
        return control ? !IsWindowEnabled(control) : (record.stateFlags & kStateDisabled) != 0;
    default: // kPropertyMousePointer
        return BlockToCaller(std::string(record.mousePointer.begin(), record.mousePointer.end()));
    }
}

// Changes one of left, top, width, height (property 0 to 3) of the live control.
static void MoveLive(HWND control, int32_t propertyIndex, int32_t value) {
    RECT rect = LiveRectangle(control);
    int place[4] = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    place[propertyIndex] = value;
    SetWindowPos(control, nullptr, place[0], place[1], place[2], place[3], SWP_NOZORDER | SWP_NOACTIVATE);
}

static void SetStateFlag(ControlRecord& record, uint32_t flag, bool on) {
    record.stateFlags = on ? record.stateFlags | flag : record.stateFlags & ~flag;
}

static void WriteCommonProperty(WindowUnit& unit, int element, int32_t propertyIndex, uint32_t value) {
    ControlRecord& record = unit.working[static_cast<size_t>(element)];
    HWND control = LiveElement(unit, element);
    auto number = static_cast<int32_t>(value);
    switch (propertyIndex) {
    case kPropertyLeft:
    case kPropertyTop:
    case kPropertyWidth:
    case kPropertyHeight: {
        bool isSize = propertyIndex == kPropertyWidth || propertyIndex == kPropertyHeight;
        number = std::clamp(number, isSize ? 0 : -kPositionLimit, kPositionLimit);
        int32_t* fields[] = {&record.left, &record.top, &record.width, &record.height};
        *fields[propertyIndex] = number;
        if (control) {
            MoveLive(control, propertyIndex, number);
        }
        break;
    }
    case kPropertyTag:
        record.tag = TextFromCaller(value);
        break;
    case kPropertyVisible:
        SetStateFlag(record, kStateVisible, value != 0);
        if (control) {
            ShowWindow(control, value == 0 ? SW_HIDE : element == 0 ? SW_SHOW : SW_SHOWNA);
        }
        break;
    case kPropertyDisabled:
        SetStateFlag(record, kStateDisabled, value != 0);
        if (control) {
            EnableWindow(control, value == 0);
        }
        break;
    default: { // kPropertyMousePointer
        std::string bytes = BlockFromCaller(value);
        record.mousePointer.assign(bytes.begin(), bytes.end());
        break;
    }
    }
}

// The kind of an element and the place of one of its own properties; a
// property the kind does not list is a fatal error.
static const ControlKind& KindForAccess(const WindowUnit& unit, int element, int32_t propertyIndex) {
    const ControlKind* kind = FindControlKind(unit.working[static_cast<size_t>(element)].kind);
    if (!kind || !kind->kindPropertyClasses || propertyIndex < kFirstKindProperty ||
        static_cast<uint32_t>(propertyIndex) >= kind->propertyCount) {
        ReportFatalError(kMessageAccessPropertyUnknown, 0);
    }
    return *kind;
}

static HWND LiveForKindAccess(const WindowUnit& unit, int element) {
    HWND control = LiveElement(unit, element);
    if (!control) {
        ReportFatalError(kMessageControlNotLoaded, 0);
    }
    return control;
}

static KindValue GetKindValue(const ControlKind& kind, HWND control, int32_t index) {
    KindValue value;
    if (!kind.getKindProperty || !kind.getKindProperty(control, index, value)) {
        ReportFatalError(kMessageAccessPropertyUnknown, 0);
    }
    return value;
}

uint64_t ReadProperty(uint32_t windowId, uint32_t controlId, int32_t propertyIndex, int32_t elementIndex) {
    const WindowUnit& unit = UnitForAccess(windowId);
    int element = ElementForAccess(unit, controlId);
    if (propertyIndex >= 0 && propertyIndex < kFirstKindProperty) {
        return ReadCommonProperty(unit, element, propertyIndex);
    }
    const ControlKind& kind = KindForAccess(unit, element, propertyIndex);
    HWND control = LiveForKindAccess(unit, element);
    int32_t index = propertyIndex - kFirstKindProperty;
    return KindValueToCaller(kind.kindPropertyClasses[index], GetKindValue(kind, control, index), elementIndex);
}

void WriteProperty(uint32_t windowId, uint32_t controlId, int32_t propertyIndex, int32_t elementIndex,
                   uint32_t value, uint32_t valueHigh) {
    (void)valueHigh; // no property of this program's kinds is 64 bits wide
    WindowUnit& unit = UnitForAccess(windowId);
    int element = ElementForAccess(unit, controlId);
    if (propertyIndex >= 0 && propertyIndex < kFirstKindProperty) {
        WriteCommonProperty(unit, element, propertyIndex, value);
        return;
    }
    const ControlKind& kind = KindForAccess(unit, element, propertyIndex);
    HWND control = LiveForKindAccess(unit, element);
    int32_t index = propertyIndex - kFirstKindProperty;
    ValueClass valueClass = kind.kindPropertyClasses[index];
    // Only a write of one font member needs the value it changes.
    KindValue current;
    if (valueClass == ValueClass::Font && elementIndex != -1) {
        current = GetKindValue(kind, control, index);
    }
    KindValue newValue = KindValueFromCaller(valueClass, value, elementIndex, current);
    if (!kind.setKindProperty) {
        ReportFatalError(kMessageAccessPropertyUnknown, 0);
    }
    if (kind.setKindProperty(control, index, newValue) && LiveElement(unit, element) == control) {
        RecreateControl(unit, element, kind);
    }
}
