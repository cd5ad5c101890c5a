// The window's keyboard rules on key messages as the message loop hands
// them over: Enter and default buttons, Esc, mnemonics, and keys the window
// leaves to their target.
#include <gtest/gtest.h>

#include "tests/window/test_forms.h"
#include "ui/description/identifiers.h"
#include "ui/window/pre_translate.h"

constexpr uint32_t kEdit = 0x16010003;
constexpr uint32_t kButtonA = 0x16010002;
constexpr uint32_t kButtonB = 0x16010001;

// Sets which of Ctrl, Shift and Alt this thread sees as held down.
static void HoldModifiers(bool shift, bool alt) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
}

static bool PreTranslateKey(HWND target, UINT message, WPARAM key) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = key;
    return PreTranslateWindowMessage(msg);
}

class KeyboardTest : public WindowLayerTest {
protected:
    void TearDown() override {
        HoldModifiers(false, false);
        WindowLayerTest::TearDown();
    }

    // An edit box and two buttons, each click bound; button B is a default
    // button unless said otherwise.
    void BuildWith(const WindowProperties& properties, uint32_t stateOfB, int32_t typeOfB,
                   const std::string& captionOfA = "A") {
        ElementDescription a = ControlElement(kButtonA, kKindButton, ButtonRecord(captionOfA), 5, {10, 50, 90, 74});
        ElementDescription b = ControlElement(kButtonB, kKindButton, ButtonRecord("B", typeOfB), stateOfB,
                                              {100, 50, 180, 74});
        a.record.events = {{0, 0}};
        b.record.events = {{0, 0}};
        ASSERT_NO_FATAL_FAILURE(
            LoadAndBuild({WindowElement(properties), ControlElement(kEdit, kKindEditBox, {}), a, b}));
        SetForegroundWindow(Live(0));
        SetFocus(Live(kEdit));
    }
};

TEST_F(KeyboardTest, EnterClicksTheDefaultButtonOrMovesTheFocus) {
    struct Case {
        const char* what;
        uint32_t stateOfB;
        int32_t typeOfB;
        uint32_t enterMovesFocus;
        bool swallowed;
        uint32_t clicked; // 0 for none
        uint32_t focusAfter;
    };
    const Case cases[] = {
        {"enabled default button is clicked", 5, 1, 0, true, kButtonB, kEdit},
        {"disabled default button is not", 7, 1, 0, false, 0, kEdit},
        {"no default button: Enter goes to the box", 5, 0, 0, false, 0, kEdit},
        {"Enter moves the focus when the window says so", 5, 0, 1, true, 0, kButtonB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowProperties properties;
        properties.enterMovesFocus = c.enterMovesFocus;
        ASSERT_NO_FATAL_FAILURE(BuildWith(properties, c.stateOfB, c.typeOfB));
        ASSERT_EQ(GetFocus(), Live(kEdit));
        HandlerCalls().clear();
        EXPECT_EQ(PreTranslateKey(Live(kEdit), WM_KEYDOWN, VK_RETURN), c.swallowed);
        if (c.clicked) {
            ASSERT_EQ(HandlerCalls().size(), 1u);
            EXPECT_EQ(HandlerCalls()[0].controlId, c.clicked);
            EXPECT_EQ(HandlerCalls()[0].eventNumber, 0);
        } else {
            EXPECT_TRUE(HandlerCalls().empty());
        }
        EXPECT_EQ(GetFocus(), Live(c.focusAfter));
        DestroyWindow(Live(0));
    }
}

TEST_F(KeyboardTest, EscClosesOnlyWhenTheWindowSaysSo) {
    for (uint32_t escCloses : {1u, 0u}) {
        SCOPED_TRACE("escCloses " + std::to_string(escCloses));
        WindowProperties properties;
        properties.escCloses = escCloses;
        ASSERT_NO_FATAL_FAILURE(BuildWith(properties, 5, 0));
        EXPECT_EQ(PreTranslateKey(Live(kEdit), WM_KEYDOWN, VK_ESCAPE), escCloses == 1);
        EXPECT_EQ(Live(0) == nullptr, escCloses == 1);
        if (Live(0)) {
            DestroyWindow(Live(0));
        }
    }
}

TEST_F(KeyboardTest, TabAndShiftTabCycleThroughTheCandidates) {
    ASSERT_NO_FATAL_FAILURE(BuildWith(WindowProperties(), 5, 0));
    // Creation order: B, A, edit box (the elements are stored last first).
    struct Step {
        bool shift;
        uint32_t focusAfter;
    };
    const Step steps[] = {{false, kButtonB}, {false, kButtonA}, {false, kEdit}, {true, kButtonA}, {true, kButtonB}};
    for (const Step& step : steps) {
        HoldModifiers(step.shift, false);
        EXPECT_TRUE(PreTranslateKey(GetFocus(), WM_KEYDOWN, VK_TAB));
        EXPECT_EQ(GetFocus(), Live(step.focusAfter)) << (step.shift ? "Shift+Tab" : "Tab") << " to "
                                                     << std::hex << step.focusAfter;
    }
}

TEST_F(KeyboardTest, AltWithTheMarkedLetterClicksTheButton) {
    ASSERT_NO_FATAL_FAILURE(BuildWith(WindowProperties(), 5, 0, "&Go"));
    HoldModifiers(false, true);
    HandlerCalls().clear();
    EXPECT_FALSE(PreTranslateKey(Live(kEdit), WM_SYSKEYDOWN, 'H')) << "no control marks H";
    EXPECT_TRUE(HandlerCalls().empty());
    EXPECT_TRUE(PreTranslateKey(Live(kEdit), WM_SYSKEYDOWN, 'G'));
    ASSERT_EQ(HandlerCalls().size(), 1u);
    EXPECT_EQ(HandlerCalls()[0].controlId, kButtonA);
    // Alt+F4 is the system's: it must reach the window to close it.
    EXPECT_FALSE(PreTranslateKey(Live(kEdit), WM_SYSKEYDOWN, VK_F4));
}

TEST_F(KeyboardTest, FocusComesBackToTheRememberedControl) {
    ASSERT_NO_FATAL_FAILURE(BuildWith(WindowProperties(), 5, 0));
    SetFocus(Live(kButtonA));
    // Deactivation remembers the control; the window getting the focus back
    // hands it on.
    SendMessageA(Live(0), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(Live(0));
    EXPECT_EQ(GetFocus(), Live(kButtonA));
}
