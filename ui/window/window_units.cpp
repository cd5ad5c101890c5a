#include "ui/window/window_units.h"

#include <memory>


// Units are kept by pointer so that a unit found once stays where it is while
// windows are built and destroyed.
static std::vector<std::unique_ptr<WindowUnit>> gWindowUnits;

static const EventHandler* FindHandler(int32_t offset, const HandlerEntry* handlers, size_t handlerCount) {
    for (size_t i = 0; i < handlerCount; i++) {
        if (handlers[i].offset == offset) {
            return &handlers[i].handler;
        }
    }
    return nullptr;
}

// Offset -1 binds nothing. Any other offset must name a handler of the
// program: a description that points elsewhere is damaged and is not run.
static bool BindHandlers(const ControlRecord& record, const HandlerEntry* handlers, size_t handlerCount,
                         std::vector<EventHandler>& bound) {
    bound.assign(record.events.size(), nullptr);
    for (size_t i = 0; i < record.events.size(); i++) {
        int32_t offset = record.events[i].handlerOffset;
        if (offset == -1) {
            continue;
        }
        const EventHandler* handler = FindHandler(offset, handlers, handlerCount);
        if (!handler || !*handler) {
            return false;
        }
        bound[i] = *handler;
    }
    return true;
}

static std::unique_ptr<WindowUnit> MakeUnit(const WindowDescription& window, const HandlerEntry* handlers,
                                            size_t handlerCount) {
    auto unit = std::make_unique<WindowUnit>();
    unit->windowId = window.windowId;
    unit->stored = window;
    size_t count = window.elements.size();
    unit->working.reserve(count);
    unit->handlers.resize(count);
    for (size_t i = 0; i < count; i++) {
        const ElementDescription& element = window.elements[i];
        unit->working.push_back(element.record);
        // Menu items never get here: the reader refuses their records.
        if (!BindHandlers(element.record, handlers, handlerCount, unit->handlers[i])) {
            return nullptr;
        }
    }
    unit->liveObject.assign(count, nullptr);
    return unit;
}

bool LoadFormDescription(const uint8_t* bytes, size_t length, const HandlerEntry* handlers,
                         size_t handlerCount) {
    std::optional<FormDescription> description = ReadFormDescription(bytes, length);
    if (!description) {
        return false;
    }
    std::vector<std::unique_ptr<WindowUnit>> units;
    for (const WindowDescription& window : description->windows) {
        std::unique_ptr<WindowUnit> unit = MakeUnit(window, handlers, handlerCount);
        if (!unit) {
            return false;
        }
        units.push_back(std::move(unit));
    }
    gWindowUnits = std::move(units);
    return true;
}

WindowUnit* FindWindowUnit(uint32_t windowId) {
    for (const auto& unit : gWindowUnits) {
        if (unit->windowId == windowId) {
            return unit.get();
        }
    }
    return nullptr;
}

int FindElement(const WindowUnit& unit, uint32_t elementId) {
    if (elementId == 0) {
        return unit.stored.elements.empty() ? -1 : 0;
    }
    const auto& elements = unit.stored.elements;
    for (size_t i = 0; i < elements.size(); i++) {
        if (elements[i].id == elementId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

HWND LiveElement(const WindowUnit& unit, int element) {
    if (element < 0 || static_cast<size_t>(element) >= unit.liveObject.size()) {
        return nullptr;
    }
    HWND window = unit.liveObject[static_cast<size_t>(element)];
    return window && IsWindow(window) ? window : nullptr;
}

uint32_t ElementId(const WindowUnit& unit, int element) {
    if (element < 0 || static_cast<size_t>(element) >= unit.stored.elements.size()) {
        return 0;
    }
    return unit.stored.elements[static_cast<size_t>(element)].id;
}

bool AnyWindowAlive() {
    for (const auto& unit : gWindowUnits) {
        if (LiveElement(*unit, 0)) {
            return true;
        }
    }
    return false;
}

HWND LiveControl(uint32_t windowId, uint32_t controlId) {
    const WindowUnit* unit = FindWindowUnit(windowId);
    return unit ? LiveElement(*unit, FindElement(*unit, controlId)) : nullptr;
}

WindowUnit* FindUnitOfWindow(HWND window) {
    if (!window) {
        return nullptr;
    }
    for (const auto& unit : gWindowUnits) {
        if (!unit->liveObject.empty() && unit->liveObject[0] == window) {
            return unit.get();
        }
    }
    return nullptr;
}

int ElementOfWindow(const WindowUnit& unit, HWND control) {
    HWND top = unit.liveObject.empty() ? nullptr : unit.liveObject[0];
    for (HWND window = control; window; window = GetAncestor(window, GA_PARENT)) {
        if (window == top) {
            return 0;
        }
        for (size_t i = 1; i < unit.liveObject.size(); i++) {
            if (unit.liveObject[i] == window) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

void DestroyWindowUnits() {
    // Destroying a window restores its unit's records, so every unit must
    // still be there while its window goes.
    for (const auto& unit : gWindowUnits) {
        if (HWND window = LiveElement(*unit, 0)) {
            DestroyWindow(window);
        }
    }
    gWindowUnits.clear();
}
