#pragma once
// The loaded window descriptions and the live windows built from them.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/description/form_description.h"
#include "ui/window/event_dispatch.h"

// Maps a handler offset of an event binding to the handler. Offset 0 is the
// first handler of the program.
struct HandlerEntry {
    int32_t offset;
    EventHandler handler;
};

struct WindowUnit {
    uint32_t windowId = 0;
    WindowDescription stored;                 // as read
    std::vector<ControlRecord> working;       // the records as changed at run time
    std::vector<ControlRecord> buildCopy;     // working as the last build began; restored when the window goes
    std::vector<HWND> liveObject;             // per element; null when not created
    std::vector<std::vector<EventHandler>> handlers; // per element, parallel to record.events
    std::vector<int> creationOrder;           // element indices in creation order
};

// Reads the description and binds its handlers. False when the bytes cannot
// be read or a binding names an offset that has no handler.
bool LoadFormDescription(const uint8_t* bytes, size_t length, const HandlerEntry* handlers,
                         size_t handlerCount);

WindowUnit* FindWindowUnit(uint32_t windowId);
// Element index of elementId in the unit (0 names element 0); -1 when absent.
int FindElement(const WindowUnit& unit, uint32_t elementId);

// Builds and shows the window (or restores/activates it when it exists).
bool BuildWindow(uint32_t windowId, HWND owner);

// True when element 0 of at least one loaded unit is an existing window.
bool AnyWindowAlive();

// The created control of (window, control), or null.
HWND LiveControl(uint32_t windowId, uint32_t controlId);

// Destroys every window that still exists and forgets the units (shutdown).
void DestroyWindowUnits();

// The unit whose window (element 0) is `window`, or null.
WindowUnit* FindUnitOfWindow(HWND window);

// The element index whose live control is `control` or one of its ancestors
// below the unit's window; 0 for the window itself; -1 for none.
int ElementOfWindow(const WindowUnit& unit, HWND control);

// The live window of an element, or null when it has none (or it is gone).
HWND LiveElement(const WindowUnit& unit, int element);

// The element id of an element (kWindowElementId for element 0).
uint32_t ElementId(const WindowUnit& unit, int element);
