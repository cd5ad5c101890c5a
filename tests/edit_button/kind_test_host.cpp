#include "tests/edit_button/kind_test_host.h"

#include "ui/window/event_dispatch.h"
#include "ui/window/reflection.h"

static std::vector<RaisedEvent> gRaisedEvents;

// The kinds raise their events here instead of through the window units.
bool RaiseSimpleEvent(uint32_t windowId, uint32_t controlId, int32_t eventNumber) {
    gRaisedEvents.push_back({windowId, controlId, eventNumber});
    return false;
}

const std::vector<RaisedEvent>& RaisedEvents() { return gRaisedEvents; }

void ClearRaisedEvents() { gRaisedEvents.clear(); }

std::string EventsText(const std::vector<RaisedEvent>& events) {
    std::string text = "[";
    for (const RaisedEvent& e : events) {
        if (text.size() > 1) {
            text += ", ";
        }
        text += std::to_string(e.eventNumber) + "@" + std::to_string(e.controlId);
    }
    return text + "]";
}

static const char kHostClass[] = "EditButtonKindTestHost";

// Notifications go back to the child that sent them, through the main
// window's own reflection.
static LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectNotification(message, wParam, lParam, reflected)) {
        return reflected;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

KindTestHost::KindTestHost() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHostClass;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    RegisterClassA(&windowClass); // fails harmlessly when already registered
    window = CreateWindowExA(0, kHostClass, "host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100, 400, 300,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ClearRaisedEvents();
}

KindTestHost::~KindTestHost() {
    if (window != nullptr) {
        DestroyWindow(window);
    }
}

HWND KindTestHost::Create(const ControlKind& kind, const std::vector<uint8_t>& record, uint32_t controlId, int width,
                          int height, DWORD style) {
    CreateArgs args;
    args.kindRecord = record.empty() ? nullptr : record.data();
    args.kindRecordLength = record.size();
    args.style = style;
    args.parent = window;
    args.childId = nextChildId;
    nextChildId += 10;
    args.left = 10;
    args.top = 10;
    args.width = width;
    args.height = height;
    args.windowId = kHostWindowId;
    args.controlId = controlId;
    return kind.createControl(args);
}

bool KindTestHost::Focus(HWND control) {
    ShowWindow(window, SW_SHOW);
    ShowWindow(control, SW_SHOWNA);
    SetForegroundWindow(window);
    SetFocus(control);
    return GetFocus() == control;
}

std::string TextOf(HWND control) {
    char buffer[4096] = {};
    int length = GetWindowTextA(control, buffer, sizeof(buffer));
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

static BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int ChildCount(HWND parent) {
    int count = 0;
    EnumChildWindows(parent, CountChild, reinterpret_cast<LPARAM>(&count));
    return count;
}
