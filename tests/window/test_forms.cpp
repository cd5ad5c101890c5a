#include "tests/window/test_forms.h"

#include "ui/description/button_properties.h"
#include "ui/description/edit_box_properties.h"
#include "ui/description/identifiers.h"
#include "tests/window/test_shell.h"

ElementDescription WindowElement(const WindowProperties& properties) {
    ElementDescription element;
    element.id = kWindowElementId;
    element.record.kind = kBuiltInLibrary << 16 | kKindWindow;
    element.record.left = 50;
    element.record.top = 50;
    element.record.width = 396;
    element.record.height = 287;
    element.record.stateFlags = kStateVisible;
    element.record.kindRecord = WriteWindowProperties(properties);
    return element;
}

ElementDescription ControlElement(uint32_t id, uint32_t kindNumber, std::vector<uint8_t> kindRecord,
                                  uint32_t stateFlags, RECT place) {
    ElementDescription element;
    element.id = id;
    element.record.kind = kBuiltInLibrary << 16 | kindNumber;
    element.record.left = place.left;
    element.record.top = place.top;
    element.record.width = place.right - place.left;
    element.record.height = place.bottom - place.top;
    element.record.stateFlags = stateFlags;
    element.record.mousePointer = {0, 0, 0, 0};
    element.record.kindRecord = std::move(kindRecord);
    return element;
}

std::vector<uint8_t> FormBytes(const std::vector<ElementDescription>& elements) {
    FormDescription description;
    WindowDescription window;
    window.windowId = kTestWindowId;
    window.elements = elements;
    description.windows.push_back(window);
    return WriteFormDescription(description);
}

static std::vector<HandlerCall> gCalls;
static bool gGivesResult = false;
static int32_t gResult = 0;

std::vector<HandlerCall>& HandlerCalls() {
    return gCalls;
}

bool RecordingHandler(const EventRecord& event, int32_t& result) {
    gCalls.push_back({event.controlId, event.eventNumber});
    result = gResult;
    return gGivesResult;
}

void SetHandlerAnswer(bool gives, int32_t result) {
    gGivesResult = gives;
    gResult = result;
}

const HandlerEntry kTestHandlers[2] = {{0, RecordingHandler}, {4, RecordingHandler}};

static BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<std::pair<const char*, std::vector<HWND>>*>(parameter);
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (std::string(name) == found->first) {
        found->second.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> ThreadWindows(const char* className) {
    std::pair<const char*, std::vector<HWND>> found{className, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

void WindowLayerTest::SetUp() {
    gCalls.clear();
    SetHandlerAnswer(false, 0);
}

void WindowLayerTest::TearDown() {
    SetTestLoopStarted(false);
    DestroyWindowUnits();
    while (EventsBlocked()) {
        UnblockEvents();
    }
    // Drop whatever the windows left in the queue (a quit message included).
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void WindowLayerTest::Load(const std::vector<ElementDescription>& elements) {
    std::vector<uint8_t> bytes = FormBytes(elements);
    ASSERT_TRUE(LoadFormDescription(bytes.data(), bytes.size(), kTestHandlers, 2));
}

void WindowLayerTest::LoadAndBuild(const std::vector<ElementDescription>& elements) {
    ASSERT_NO_FATAL_FAILURE(Load(elements));
    ASSERT_TRUE(BuildWindow(kTestWindowId, nullptr)) << "GetLastError " << GetLastError();
}

std::vector<uint8_t> ButtonRecord(const std::string& caption, int32_t buttonType) {
    ButtonProperties properties;
    properties.caption = caption;
    properties.buttonType = buttonType;
    return WriteButtonProperties(properties);
}

std::vector<uint8_t> EditBoxRecord(const std::string& text) {
    EditBoxProperties properties;
    properties.text = text;
    return WriteEditBoxProperties(properties);
}

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}
