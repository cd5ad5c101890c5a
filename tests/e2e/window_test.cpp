// The main window from outside: its frame and place, its background, the
// first focus, the Tab cycle with real keys, the focus coming back after the
// window was left, and the bare window of a description without controls.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/calculation_driver_extras.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/window_driver_extras.h"
#include "ui/description/form_description.h"

static const char kCaption[] = "\xC6\xC1\xC4\xBBPPI\xBC\xC6\xCB\xE3\xC6\xF7 Orvanel"; // 屏幕PPI计算器 Orvanel

// Child ids by creation order: 横向 100, 标签1 110, 编辑框1 120, 编辑框2 130,
// 标签2 140, 编辑框3 150, 按钮1 160, 编辑框4 170, 编辑框5 180, 图片框1 190,
// 标签4 200, 标签5 210, 标签6 220.
constexpr int kFirstChildId = 100;
constexpr int kLastChildId = 220;

static std::string ColourText(COLORREF colour) {
    char text[16];
    snprintf(text, sizeof(text), "0x%06lX", static_cast<unsigned long>(colour));
    return text;
}

// Client points (in client coordinates) that no control covers.
static void ExpectButtonFaceAt(HWND window, const std::vector<POINT>& points) {
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Screenshot shot;
    // The first paint may still be on its way right after the window shows.
    bool painted = WaitFor(
        [&] {
            shot = Screenshot::Capture(client);
            for (POINT point : points) {
                if (shot.Pixel(point.x, point.y) != face) {
                    return false;
                }
            }
            return true;
        },
        3000);
    if (!painted) {
        for (POINT point : points) {
            EXPECT_EQ(ColourText(shot.Pixel(point.x, point.y)), ColourText(face))
                << "at client (" << point.x << ", " << point.y << ")";
        }
    }
}

static void ExpectMainFrame(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, "WTWindow");
    const std::string caption = ReadWindowTextBytes(window);
    EXPECT_EQ(caption, kCaption) << "got " << HexBytes(caption);

    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920) << "the rig's screen";
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080) << "the rig's screen";
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 762);
    EXPECT_EQ(rect.top, 396);
    EXPECT_EQ(rect.right, 1158);
    EXPECT_EQ(rect.bottom, 683);

    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
    const DWORD unwanted = WS_MAXIMIZEBOX | WS_THICKFRAME | WS_POPUP | WS_CHILD | WS_DISABLED;
    EXPECT_EQ(style & (wanted | unwanted), wanted) << std::hex << "style 0x" << style;
    // The system adds the window-edge bit to every window with a dialog
    // frame; the program asks for no extended style.
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u) << std::hex << "ex style 0x" << exStyle;
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "owned windows get no taskbar button";
}

class WindowTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(StartCalculator(calculator), ""); }

    HWND Child(int childId) { return FindChildById(calculator.window, childId); }

    Calculator calculator;
};

TEST_F(WindowTest, FrameCaptionPlaceAndBackgroundAreAsDescribed) {
    ASSERT_NO_FATAL_FAILURE(ExpectMainFrame(calculator.window));
    for (int childId = kFirstChildId; childId <= kLastChildId; childId += 10) {
        EXPECT_NE(Child(childId), nullptr) << "no control with child id " << childId;
    }
    EXPECT_FALSE(IsWindowVisible(calculator.diagonal)) << "编辑框4 is shown";
    // Left of the labels, between two input boxes, and under the labels.
    ExpectButtonFaceAt(calculator.window, {{4, 4}, {245, 60}, {110, 150}});
}

TEST_F(WindowTest, FocusStartsInTheFirstBoxAndTabCyclesThroughTheInputs) {
    EXPECT_TRUE(WaitForFocus(calculator.window, calculator.horizontal))
        << "focus in " << FocusedControl(calculator.window);
    struct Step {
        std::initializer_list<WORD> keys;
        const char* what;
        HWND expected;
    };
    const Step steps[] = {
        {{VK_TAB}, "Tab to 编辑框2", calculator.vertical},
        {{VK_TAB}, "Tab to 编辑框3", calculator.size},
        {{VK_TAB}, "Tab to 按钮1", calculator.button},
        {{VK_TAB}, "Tab back round to 编辑框1", calculator.horizontal},
        {{VK_SHIFT, VK_TAB}, "Shift+Tab from 编辑框1 to 按钮1", calculator.button},
        {{VK_SHIFT, VK_TAB}, "Shift+Tab to 编辑框3", calculator.size},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(PressChordIn(calculator.window, step.keys)) << "GetLastError " << GetLastError();
        EXPECT_TRUE(WaitForFocus(calculator.window, step.expected))
            << "focus in child id " << GetDlgCtrlID(FocusedControl(calculator.window));
    }
    EXPECT_TRUE(calculator.process.Running()) << "a key closed the program";
}

TEST_F(WindowTest, FocusComesBackToTheControlThatHadIt) {
    struct Case {
        const char* what;
        bool minimise; // else another window takes the activation
    };
    const Case cases[] = {{"another window was active meanwhile", false}, {"minimised and restored", true}};
    OtherWindow other;
    ASSERT_NE(other.Handle(), nullptr) << "GetLastError " << GetLastError();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(BringToForeground(calculator.window));
        // Tab on until the focus is in 编辑框3, each press waited for.
        for (int i = 0; i < 4 && FocusedControl(calculator.window) != calculator.size; i++) {
            HWND before = FocusedControl(calculator.window);
            ASSERT_TRUE(PressChordIn(calculator.window, {VK_TAB}));
            WaitFor([&] { return FocusedControl(calculator.window) != before; }, 2000);
        }
        ASSERT_TRUE(WaitForFocus(calculator.window, calculator.size));

        if (c.minimise) {
            PostMessageA(calculator.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            ASSERT_TRUE(WaitPumping([&] { return IsIconic(calculator.window) != FALSE; }, 3000));
            PostMessageA(calculator.window, WM_SYSCOMMAND, SC_RESTORE, 0);
            ASSERT_TRUE(WaitPumping([&] { return !IsIconic(calculator.window); }, 3000));
        } else {
            ASSERT_TRUE(other.Activate()) << "foreground " << GetForegroundWindow();
            ASSERT_TRUE(BringToForeground(calculator.window));
        }
        EXPECT_TRUE(WaitPumping([&] { return FocusedControl(calculator.window) == calculator.size; }, 3000))
            << "focus in child id " << GetDlgCtrlID(FocusedControl(calculator.window));
    }
}

static DWORD GuiThreadFlags(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.flags : 0;
}

static bool SystemMenuOpen(HWND window) {
    return (GuiThreadFlags(window) & GUI_INMENUMODE) != 0;
}

// Menus live in the program's process, so the system menu is tried by hand:
// Alt+Space opens it, M starts moving the window, C closes it.
TEST_F(WindowTest, SystemMenuOffersMoveAndClose) {
    RECT before = {};
    GetWindowRect(calculator.window, &before);
    ASSERT_TRUE(PressChordIn(calculator.window, {VK_MENU, VK_SPACE}));
    ASSERT_TRUE(WaitFor([&] { return SystemMenuOpen(calculator.window); }, 3000)) << "no system menu";
    ASSERT_TRUE(PressChord({'M'}));
    ASSERT_TRUE(WaitFor([&] { return GuiThreadFlags(calculator.window) & GUI_INMOVESIZE; }, 3000))
        << "Move did not start moving the window";
    // Esc leaves the move where it started.
    ASSERT_TRUE(PressChord({VK_ESCAPE}));
    ASSERT_TRUE(WaitFor([&] { return !(GuiThreadFlags(calculator.window) & GUI_INMOVESIZE); }, 3000));
    EXPECT_TRUE(calculator.process.Running()) << "Esc in the move loop reached the window";
    RECT after = {};
    GetWindowRect(calculator.window, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the window moved to (" << after.left << ", " << after.top << ")";

    ASSERT_TRUE(PressChordIn(calculator.window, {VK_MENU, VK_SPACE}));
    ASSERT_TRUE(WaitFor([&] { return SystemMenuOpen(calculator.window); }, 3000)) << "no system menu";
    ASSERT_TRUE(PressChord({'C'}));
    std::optional<DWORD> exitCode = calculator.process.ExitCodeAfter(kExitTimeoutMs);
    ASSERT_TRUE(exitCode.has_value()) << "Close in the system menu did not end the program";
    EXPECT_EQ(*exitCode, 0u);
}

// A copy of the program whose description keeps only the window's own
// record: the window comes up alone, and its keys still work.
TEST(BareWindowTest, WindowWithoutControlsShowsAndClosesWithEsc) {
    const std::string program = ProgramPath();
    ASSERT_FALSE(program.empty()) << "PPICALC_EXE is not set";
    TemporaryFolder folder;
    std::vector<uint8_t> bytes;
    WORD language = 0;
    ASSERT_TRUE(ReadFormResource(program, bytes, language)) << "GetLastError " << GetLastError();
    std::optional<FormDescription> description = ReadFormDescription(bytes.data(), bytes.size());
    ASSERT_TRUE(description.has_value());
    ASSERT_FALSE(description->windows.empty());
    description->windows[0].elements.resize(1);
    const std::string copy = folder.File("bare.exe");
    ASSERT_TRUE(CopyFileA(program.c_str(), copy.c_str(), FALSE)) << "GetLastError " << GetLastError();
    ASSERT_TRUE(ReplaceFormResource(copy, language, WriteFormDescription(*description)))
        << "GetLastError " << GetLastError();

    std::string error;
    ProgramProcess process = StartProgram(copy, error);
    ASSERT_TRUE(process.Started()) << error;
    HWND window = WaitForProgramWindow(process.Id());
    ASSERT_NE(window, nullptr) << "no window; running " << process.Running();
    ASSERT_NO_FATAL_FAILURE(ExpectMainFrame(window));
    EXPECT_TRUE(ChildWindows(window).empty()) << ChildWindows(window).size() << " child windows";
    ExpectButtonFaceAt(window, {{4, 4}, {195, 130}, {380, 240}});

    // With nothing to focus, Tab leaves the window as it is.
    ASSERT_TRUE(PressChordIn(window, {VK_TAB}));
    ASSERT_TRUE(PressChordIn(window, {VK_ESCAPE}));
    std::optional<DWORD> exitCode = process.ExitCodeAfter(kExitTimeoutMs);
    ASSERT_TRUE(exitCode.has_value()) << "Esc did not end the program";
    EXPECT_EQ(*exitCode, 0u);
}
