#pragma once
// A host for controls of one kind under test: a top-level window that hands
// WM_COMMAND and the colour messages back to the child that sent them, as the
// main window does, and a record of the events the controls raise.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/window/control_kind.h"

constexpr uint32_t kHostWindowId = 0x52010001;

struct RaisedEvent {
    uint32_t windowId = 0;
    uint32_t controlId = 0;
    int32_t eventNumber = 0;
    bool operator==(const RaisedEvent&) const = default;
};

// Every event raised since the last ClearRaisedEvents, in order.
const std::vector<RaisedEvent>& RaisedEvents();
void ClearRaisedEvents();
std::string EventsText(const std::vector<RaisedEvent>& events);

class KindTestHost {
public:
    KindTestHost();
    ~KindTestHost();
    KindTestHost(const KindTestHost&) = delete;
    KindTestHost& operator=(const KindTestHost&) = delete;

    HWND Window() const { return window; }

    // Creates a control of `kind` from the record at (10, 10) with this
    // size; null when the kind refuses.
    HWND Create(const ControlKind& kind, const std::vector<uint8_t>& record, uint32_t controlId, int width = 120,
                int height = 24, DWORD style = WS_TABSTOP);

    // Shows the host and a control and gives the control the focus.
    bool Focus(HWND control);

private:
    HWND window = nullptr;
    UINT nextChildId = 100;
};

// Window text of a control in the ANSI code page.
std::string TextOf(HWND control);
// Number of child windows of a window.
int ChildCount(HWND parent);
