// Building windows from descriptions: the bare window, the main window's
// controls, failures that leave nothing behind, and what closing undoes.
#include <gtest/gtest.h>

#include <functional>

#include "tests/window/test_forms.h"
#include "tests/window/test_shell.h"
#include "ui/declaration/main_window_declaration.h"
#include "ui/description/edit_box_properties.h"
#include "ui/description/identifiers.h"
#include "ui/window/control_access.h"

static const char kCaption[] = "\xC6\xC1\xC4\xBBPPI\xBC\xC6\xCB\xE3\xC6\xF7 Orvanel"; // 屏幕PPI计算器 Orvanel

static bool SystemMenuHas(HWND window, UINT command) {
    HMENU menu = GetSystemMenu(window, FALSE);
    return menu && GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

using WindowBuildTest = WindowLayerTest;

TEST_F(WindowBuildTest, BareWindowIsCentredWithItsFrameAndCaption) {
    WindowProperties properties;
    properties.caption = kCaption;
    ASSERT_NO_FATAL_FAILURE(LoadAndBuild({WindowElement(properties)}));
    HWND window = Live(0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(AnyWindowAlive());

    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, "WTWindow");
    EXPECT_EQ(TextOf(window), kCaption);

    RECT rect{};
    GetWindowRect(window, &rect);
    int left = (GetSystemMetrics(SM_CXSCREEN) - 396) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - 287) / 2;
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, 396);
    EXPECT_EQ(rect.bottom - rect.top, 287);

    auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
    const DWORD unwanted = WS_MAXIMIZEBOX | WS_THICKFRAME | WS_POPUP | WS_CHILD | WS_DISABLED;
    EXPECT_EQ(style & (wanted | unwanted), wanted) << std::hex << "style 0x" << style;
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0)
        << std::hex << "ex style 0x" << GetWindowLongA(window, GWL_EXSTYLE);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_TRUE(SystemMenuHas(window, SC_MOVE));
    EXPECT_TRUE(SystemMenuHas(window, SC_CLOSE));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(WindowBuildTest, WindowPropertiesShapeTheFrame) {
    struct Case {
        const char* what;
        std::function<void(WindowProperties&)> change;
        DWORD styleOn;
        DWORD styleOff;
        bool hasMove;
    };
    const Case cases[] = {
        {"maximise box", [](WindowProperties& p) { p.maxButton = 1; }, WS_MAXIMIZEBOX, 0, true},
        {"no minimise box", [](WindowProperties& p) { p.minButton = 0; }, 0, WS_MINIMIZEBOX, true},
        {"sizable frame", [](WindowProperties& p) { p.border = 1; }, WS_THICKFRAME, 0, true},
        {"not movable", [](WindowProperties& p) { p.movable = 0; }, WS_SYSMENU, 0, false},
        // A top-level window keeps its dialog frame; only the border bit of
        // the caption goes.
        {"no control box and no caption", [](WindowProperties& p) { p.controlBox = 0; }, WS_DLGFRAME,
         WS_SYSMENU | WS_BORDER, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowProperties properties;
        c.change(properties);
        ASSERT_NO_FATAL_FAILURE(LoadAndBuild({WindowElement(properties)}));
        HWND window = Live(0);
        auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
        EXPECT_EQ(style & c.styleOn, c.styleOn) << std::hex << "style 0x" << style;
        EXPECT_EQ(style & c.styleOff, 0u) << std::hex << "style 0x" << style;
        if (style & WS_SYSMENU) {
            EXPECT_EQ(SystemMenuHas(window, SC_MOVE), c.hasMove);
        }
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect.right - rect.left, 396);
        EXPECT_EQ(rect.bottom - rect.top, 287);
        DestroyWindow(window);
    }
}

TEST_F(WindowBuildTest, MainWindowControlsGetTheirIdsStackingAndVisibility) {
    FormDescription description = DeclareMainWindow({});
    ASSERT_NO_FATAL_FAILURE(LoadAndBuild(description.windows[0].elements));
    const auto& elements = description.windows[0].elements;
    const size_t count = elements.size();

    // Created from the last element up: child ids 100, 110, ... in that order.
    for (size_t element = 1; element < count; element++) {
        HWND control = Live(elements[element].id);
        ASSERT_NE(control, nullptr) << "element " << element;
        EXPECT_EQ(GetDlgCtrlID(control), static_cast<int>(100 + 10 * (count - 1 - element)))
            << "element " << element;
    }
    // Element 1 on top, each next element below the one before.
    HWND child = GetWindow(Live(0), GW_CHILD);
    for (size_t element = 1; element < count; element++) {
        EXPECT_EQ(child, Live(elements[element].id)) << "stacking place " << element;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_FALSE(GetWindowLongA(Live(kEditBox4Id), GWL_STYLE) & WS_VISIBLE) << "编辑框4 is shown";
    EXPECT_TRUE(GetWindowLongA(Live(kEditBox5Id), GWL_STYLE) & WS_VISIBLE) << "编辑框5 is hidden";
    EXPECT_FALSE(IsWindowEnabled(Live(kEditBox5Id)));
    EXPECT_FALSE(EventsBlocked());
}

TEST_F(WindowBuildTest, FailedBuildLeavesNoWindowAndTheRecordsAsStored) {
    WindowProperties version7;
    version7.version = 7;
    WindowProperties withPicture;
    withPicture.picture = {1, 2, 3};
    EditBoxProperties badEdit;
    badEdit.version = 3;
    struct Case {
        const char* what;
        std::vector<ElementDescription> elements;
        uint32_t windowId;
    };
    const Case cases[] = {
        {"window record of version 7", {WindowElement(version7)}, kTestWindowId},
        {"window with a background picture", {WindowElement(withPicture)}, kTestWindowId},
        {"window id not in the table", {WindowElement()}, 0x52010002},
        {"invalid window id", {WindowElement()}, 0x50000000},
        {"element 0 is not a window", {ControlElement(kWindowElementId, kKindEditBox, {})}, kTestWindowId},
        {"control of an unknown kind",
         {WindowElement(), ControlElement(0x16010002, kKindEditBox, {}), ControlElement(0x16010001, 99, {})},
         kTestWindowId},
        {"edit box whose record is of version 3",
         {WindowElement(), ControlElement(0x16010002, kKindEditBox, WriteEditBoxProperties(badEdit)),
          ControlElement(0x16010001, kKindEditBox, {})},
         kTestWindowId},
        {"a second window kind among the controls",
         {WindowElement(), ControlElement(0x16010001, kKindWindow, {})}, kTestWindowId},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(Load(c.elements));
        EXPECT_FALSE(BuildWindow(c.windowId, nullptr));
        EXPECT_FALSE(AnyWindowAlive());
        EXPECT_TRUE(ThreadWindows("WTWindow").empty()) << "a window was left behind";
        EXPECT_FALSE(EventsBlocked()) << "events stay blocked";
        const WindowUnit& unit = Unit();
        for (size_t i = 0; i < unit.working.size(); i++) {
            EXPECT_EQ(unit.working[i], unit.stored.elements[i].record) << "record " << i << " changed";
            EXPECT_EQ(unit.liveObject[i], nullptr) << "element " << i << " still has a control";
        }
    }
}

TEST_F(WindowBuildTest, ClosingRestoresTheRecordsAndTheWindowCanBeBuiltAgain) {
    const uint32_t editId = 0x16010001;
    ASSERT_NO_FATAL_FAILURE(LoadAndBuild({WindowElement(), ControlElement(editId, kKindEditBox, {})}));
    HWND first = Live(0);
    // Building an existing window brings it back instead of making another.
    EXPECT_TRUE(BuildWindow(kTestWindowId, nullptr));
    EXPECT_EQ(Live(0), first);
    EXPECT_EQ(ThreadWindows("WTWindow").size(), 1u);

    WriteProperty(kTestWindowId, editId, 0, -1, 77, 0);
    EXPECT_EQ(Unit().working[1].left, 77);
    DestroyWindow(first);
    EXPECT_FALSE(AnyWindowAlive());
    EXPECT_EQ(Unit().working[1].left, 10) << "the record keeps the run-time change";
    EXPECT_EQ(LiveControl(kTestWindowId, editId), nullptr);

    ASSERT_TRUE(BuildWindow(kTestWindowId, nullptr));
    RECT rect{};
    GetWindowRect(Live(editId), &rect);
    MapWindowPoints(nullptr, Live(0), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
}

TEST_F(WindowBuildTest, TheLastWindowEndsTheLoopOnlyOnceItRuns) {
    for (bool loopStarted : {false, true}) {
        SCOPED_TRACE(loopStarted ? "loop started" : "loop not started");
        ASSERT_NO_FATAL_FAILURE(LoadAndBuild({WindowElement()}));
        SetTestLoopStarted(loopStarted);
        DestroyWindow(Live(0));
        MSG message;
        bool quit = false;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                EXPECT_EQ(message.wParam, 0u);
            }
        }
        EXPECT_EQ(quit, loopStarted);
        SetTestLoopStarted(false);
    }
}

TEST_F(WindowBuildTest, CloseQueriesMayKeepTheWindow) {
    struct Case {
        const char* what;
        int32_t boundEvent;
        bool givesResult;
        int32_t result;
        bool stays;
    };
    const Case cases[] = {
        {"event 12 answers false", 12, true, 0, true},
        {"event 1 answers false", 1, true, 0, true},
        {"event 1 answers true", 1, true, 1, false},
        {"event 1 gives no result", 1, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ElementDescription window = WindowElement();
        window.record.events = {{c.boundEvent, 4}};
        ASSERT_NO_FATAL_FAILURE(LoadAndBuild({window}));
        SetHandlerAnswer(c.givesResult, c.result);
        HandlerCalls().clear();
        SendMessageA(Live(0), WM_CLOSE, 0, 0);
        EXPECT_EQ(Live(0) != nullptr, c.stays);
        ASSERT_EQ(HandlerCalls().size(), 1u);
        EXPECT_EQ(HandlerCalls()[0].eventNumber, c.boundEvent);
        if (Live(0)) {
            DestroyWindow(Live(0));
        }
    }
}
