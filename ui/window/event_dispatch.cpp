#include "ui/window/event_dispatch.h"

#include <vector>

#include "app/core/fatal_message.h"
#include "app/fatal_report.h"
#include "ui/description/identifiers.h"
#include "ui/window/control_kind.h"
#include "ui/window/window_units.h"

// One counter for the whole program, used only on the GUI thread.
static int gEventBlockCount = 0;

void BlockEvents() {
    gEventBlockCount++;
}

void UnblockEvents() {
    if (gEventBlockCount > 0) {
        gEventBlockCount--;
    }
}

bool EventsBlocked() {
    return gEventBlockCount > 0;
}

// Follows proxyId links to the element whose event table serves `element`:
// each link must name an element of the same window and the same kind. A
// chain that comes back to an element already passed is a loop in a damaged
// description; it stops at the last element before the loop closes.
static int ResolveProxy(const WindowUnit& unit, int element) {
    std::vector<bool> visited(unit.working.size(), false);
    visited[static_cast<size_t>(element)] = true;
    for (;;) {
        const ControlRecord& record = unit.working[static_cast<size_t>(element)];
        if (record.proxyId == 0) {
            return element;
        }
        int next = FindElement(unit, record.proxyId);
        if (next < 0 || visited[static_cast<size_t>(next)] ||
            unit.working[static_cast<size_t>(next)].kind != record.kind) {
            return element;
        }
        visited[static_cast<size_t>(next)] = true;
        element = next;
    }
}

static bool KindMakesWindows(uint32_t kindField) {
    const ControlKind* kind = FindControlKind(kindField);
    return kind && (kind->traits & (kTraitMakesWindow | kTraitMakesWindowAlt)) != 0;
}

bool RaiseEvent(EventRecord& event) {
    if (EventsBlocked()) {
        return false;
    }
    WindowUnit* unit = FindWindowUnit(event.windowId);
    if (!unit) {
        ReportFatalError(kMessageEventWindowNotFound, 0);
    }
    int element = FindElement(*unit, event.controlId);
    if (element < 0) {
        ReportFatalError(kMessageEventControlNotFound, 0);
    }
    element = ResolveProxy(*unit, element);
    const ControlRecord& record = unit->working[static_cast<size_t>(element)];
    if (!KindMakesWindows(record.kind)) {
        ReportFatalError(kMessageEventControlInvalid, 0);
    }
    const std::vector<EventHandler>& bound = unit->handlers[static_cast<size_t>(element)];
    for (size_t i = 0; i < record.events.size() && i < bound.size(); i++) {
        if (record.events[i].eventNumber != event.eventNumber) {
            continue;
        }
        EventHandler handler = bound[i];
        if (!handler) {
            return false;
        }
        int32_t result = 0;
        event.hasResult = handler(event, result);
        event.result = event.hasResult ? result : 0;
        return true;
    }
    return false;
}

bool RaiseSimpleEvent(uint32_t windowId, uint32_t controlId, int32_t eventNumber) {
    EventRecord event;
    event.windowId = windowId;
    event.controlId = controlId;
    event.eventNumber = eventNumber;
    return RaiseEvent(event);
}
