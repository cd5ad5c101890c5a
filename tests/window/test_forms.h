#pragma once
// Small descriptions for the window layer's tests, and a fixture that loads
// them and cleans up every window and unit afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/description/form_description.h"
#include "ui/description/window_properties.h"
#include "ui/window/event_dispatch.h"
#include "ui/window/window_units.h"

constexpr uint32_t kTestWindowId = 0x52010001;

// The window's own element with these properties at the main window's size.
ElementDescription WindowElement(const WindowProperties& properties = WindowProperties());

// A control of the built-in kind `kindNumber` with its kind record, state
// flags and place.
ElementDescription ControlElement(uint32_t id, uint32_t kindNumber, std::vector<uint8_t> kindRecord,
                                  uint32_t stateFlags = 5, RECT place = {10, 10, 130, 34});

// One window of kTestWindowId with these elements, as description bytes.
std::vector<uint8_t> FormBytes(const std::vector<ElementDescription>& elements);

// Events that reached RecordingHandler, and what it answers.
struct HandlerCall {
    uint32_t controlId = 0;
    int32_t eventNumber = 0;
};
std::vector<HandlerCall>& HandlerCalls();
bool RecordingHandler(const EventRecord& event, int32_t& result);
// The result the handler gives from now on (none when `gives` is false).
void SetHandlerAnswer(bool gives, int32_t result);

// Offsets 0 and 4 are bound to RecordingHandler.
extern const HandlerEntry kTestHandlers[2];

// Every top-level window of this thread whose class is className.
std::vector<HWND> ThreadWindows(const char* className);

class WindowLayerTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the description; fails the test when it does not load.
    void Load(const std::vector<ElementDescription>& elements);
    void LoadAndBuild(const std::vector<ElementDescription>& elements);

    WindowUnit& Unit() { return *FindWindowUnit(kTestWindowId); }
    HWND Live(uint32_t controlId) { return LiveControl(kTestWindowId, controlId); }
};

// The kind records of the kinds at their defaults, with a caption or text.
std::vector<uint8_t> ButtonRecord(const std::string& caption, int32_t buttonType = 0);
std::vector<uint8_t> EditBoxRecord(const std::string& text = std::string());

// Window text in the ANSI code page.
std::string TextOf(HWND window);
