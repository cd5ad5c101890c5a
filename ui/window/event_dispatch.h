#pragma once
// Events of windows and controls and their delivery to bound handlers.
#include <cstdint>

struct EventRecord {
    uint32_t windowId = 0;
    uint32_t controlId = 0; // 0 or 0x06010000: the window's own record
    int32_t eventNumber = 0;
    uint32_t argumentCount = 0; // 0..5
    uint32_t arguments[5] = {};
    bool hasResult = false;     // set by RaiseEvent when the handler gave a value
    int32_t result = 0;
};

// A bound event handler. Returns whether it gave a result and the result
// (only close queries use it: false cancels the close).
using EventHandler = bool (*)(const EventRecord& event, int32_t& result);

// Event numbers raised by this program's windows and controls.
constexpr int32_t kEventClick = 0; // also: window built, edit box content changed
constexpr int32_t kEventCloseQuery = 1;
constexpr int32_t kEventDestroying = 2;
constexpr int32_t kEventMoved = 3;
constexpr int32_t kEventResized = 4;
constexpr int32_t kEventActivated = 5;
constexpr int32_t kEventDeactivated = 6;
constexpr int32_t kEventFirstActivation = 8;
constexpr int32_t kEventShown = 10;
constexpr int32_t kEventHidden = 11;
constexpr int32_t kEventCloseQuery2 = 12;
constexpr int32_t kEventGotFocus = -7;
constexpr int32_t kEventLostFocus = -8;

// Delivers the event to its bound handler. False when events are blocked or
// nothing is bound; an unknown window, control or an invalid kind is a fatal
// run-time error.
bool RaiseEvent(EventRecord& event);

// Convenience for events without arguments.
bool RaiseSimpleEvent(uint32_t windowId, uint32_t controlId, int32_t eventNumber);

// The event-blocking counter: while it is 1 or more no handler runs.
void BlockEvents();
void UnblockEvents();
bool EventsBlocked();
