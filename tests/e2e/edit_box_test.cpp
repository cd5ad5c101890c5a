// The edit boxes and the button as the user meets them: their styles, the one
// centred line of text of a single-line box, the band around it, the colours,
// and which of them can take the focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/e2e/calculation_driver_extras.h"
#include "tests/e2e/driver.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kLightGrey = RGB(236, 236, 236);

class EditBoxTest : public testing::Test {
protected:
    void SetUp() override {
        std::string error = StartCalculator(calculator);
        ASSERT_EQ(error, "") << "the calculator did not start";
    }

    Calculator calculator;
};

// A rectangle of a window in screen coordinates.
RECT ScreenRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientScreenRect(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Place and size relative to the parent's client area.
RECT RectInParent(HWND control) {
    RECT rect = ScreenRect(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

std::string ColorText(COLORREF color) {
    return "RGB(" + std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color)) + ")";
}

// Saves a capture in the temporary folder for a look by eye; returns its path.
std::string SaveForLooking(const Screenshot& shot, const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    return shot.SaveBmp(path) ? path : "(not saved)";
}

// The pixels of a line that are not its background: their bounding box and
// the darkest of them.
struct Ink {
    bool found = false;
    RECT area = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    COLORREF darkest = RGB(255, 255, 255);
};

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

Ink FindInk(const Screenshot& shot, const RECT& window, const RECT& line, COLORREF background) {
    Ink ink;
    for (LONG y = line.top; y < line.bottom; y++) {
        for (LONG x = line.left; x < line.right; x++) {
            COLORREF pixel = shot.Pixel(x - window.left, y - window.top);
            if (pixel == background || pixel == CLR_INVALID) {
                continue;
            }
            ink.found = true;
            ink.area = {std::min(ink.area.left, x), std::min(ink.area.top, y), std::max(ink.area.right, x + 1),
                        std::max(ink.area.bottom, y + 1)};
            if (Brightness(pixel) < Brightness(ink.darkest)) {
                ink.darkest = pixel;
            }
        }
    }
    return ink;
}

LRESULT HitTest(HWND window, POINT point) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y), SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

TEST_F(EditBoxTest, ControlsComeUpAsDescribed) {
    struct Expected {
        const char* what;
        HWND Calculator::*control;
        const char* className;
        RECT place;         // in the main window's client area
        DWORD styleBits;    // must all be set
        DWORD absentBits;   // must all be clear
        DWORD exStyleEdges; // WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE part
        const char* text;
    };
    const DWORD kEdges = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;
    const DWORD kSingleLineInput = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    const Expected expected[] = {
        {"horizontal box", &Calculator::horizontal, "Edit", {120, 24, 240, 48}, kSingleLineInput,
         WS_DISABLED | ES_MULTILINE | ES_CENTER | ES_RIGHT | ES_READONLY | ES_PASSWORD, WS_EX_CLIENTEDGE, ""},
        {"vertical box", &Calculator::vertical, "Edit", {120, 68, 240, 92}, kSingleLineInput,
         WS_DISABLED | ES_MULTILINE | ES_CENTER | ES_RIGHT, WS_EX_CLIENTEDGE, ""},
        {"size box", &Calculator::size, "Edit", {120, 112, 240, 136}, kSingleLineInput,
         WS_DISABLED | ES_MULTILINE | ES_CENTER | ES_RIGHT, WS_EX_CLIENTEDGE, ""},
        {"diagonal box (hidden, disabled)", &Calculator::diagonal, "Edit", {360, 24, 376, 48},
         WS_CHILD | WS_DISABLED | WS_TABSTOP | ES_AUTOHSCROLL, WS_VISIBLE | ES_MULTILINE, WS_EX_CLIENTEDGE, ""},
        {"density box (disabled, centred, double edge)", &Calculator::density, "Edit", {248, 200, 376, 248},
         WS_CHILD | WS_VISIBLE | WS_DISABLED | ES_CENTER | ES_AUTOHSCROLL, ES_MULTILINE,
         WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, "PPI"},
        {"calculate button (plain push button)", &Calculator::button, "Button", {272, 168, 352, 192},
         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE, WS_DISABLED | BS_DEFPUSHBUTTON,
         0, "\xBC\xC6\xCB\xE3"}, // "计算"
    };
    for (const Expected& e : expected) {
        HWND control = calculator.*e.control;
        EXPECT_EQ(_stricmp(WindowClass(control).c_str(), e.className), 0)
            << e.what << ": class got " << WindowClass(control) << ", expected " << e.className;
        RECT place = RectInParent(control);
        EXPECT_TRUE(EqualRect(&place, &e.place))
            << e.what << ": place got " << RectText(place) << ", expected " << RectText(e.place);
        DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        DWORD exStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE));
        EXPECT_EQ(style & e.styleBits, e.styleBits) << e.what << ": style 0x" << std::hex << style;
        EXPECT_EQ(style & e.absentBits, 0u) << e.what << ": style 0x" << std::hex << style;
        EXPECT_EQ(exStyle & kEdges, e.exStyleEdges) << e.what << ": extended style 0x" << std::hex << exStyle;
        std::string text = ReadWindowTextBytes(control);
        EXPECT_EQ(text, e.text) << e.what << ": text got " << Shown(text);
    }
}

// In every visible single-line box the client area is one line of text in the
// vertical middle of the box; the band above and below it hit-tests as border.
TEST_F(EditBoxTest, SingleLineBoxesShowOneCentredLine) {
    for (HWND box : {calculator.horizontal, calculator.vertical, calculator.size, calculator.density}) {
        int id = GetDlgCtrlID(box);
        RECT window = ScreenRect(box);
        RECT client = ClientScreenRect(box);
        int above = client.top - window.top;
        int below = window.bottom - client.bottom;
        int lineHeight = client.bottom - client.top;
        EXPECT_GT(lineHeight, 6) << "box " << id << ": client " << RectText(client);
        EXPECT_LE(below - above, 1) << "box " << id << ": window " << RectText(window) << ", client "
                                    << RectText(client);
        EXPECT_GE(below - above, 0) << "box " << id << ": window " << RectText(window) << ", client "
                                    << RectText(client);
        // The client edge is 2 pixels; a band only exists when the line is lower.
        ASSERT_GT(above, 2) << "box " << id << ": no band above the line; client " << RectText(client);
        const LONG middleX = (client.left + client.right) / 2;
        const struct {
            const char* where;
            POINT point;
            LRESULT expected;
        } points[] = {
            {"the line", {middleX, (client.top + client.bottom) / 2}, HTCLIENT},
            {"the band above", {middleX, client.top - 1}, HTBORDER},
            {"the band below", {middleX, client.bottom}, HTBORDER},
        };
        for (const auto& p : points) {
            LRESULT hit = HitTest(box, p.point);
            EXPECT_EQ(hit, p.expected) << "box " << id << ", " << p.where << " at (" << p.point.x << ","
                                       << p.point.y << ")";
        }
    }
}

// The band and the background of the line carry the box's colour: white in
// the input boxes, light grey in the density box, whose "PPI" sits in its
// middle until the first calculation.
TEST_F(EditBoxTest, BoxesArePaintedInTheirColours) {
    ASSERT_TRUE(BringToForeground(calculator.window));
    struct Expected {
        HWND box;
        COLORREF background;
    };
    const Expected expected[] = {{calculator.horizontal, kWhite},
                                 {calculator.vertical, kWhite},
                                 {calculator.size, kWhite},
                                 {calculator.density, kLightGrey}};
    for (const Expected& e : expected) {
        int id = GetDlgCtrlID(e.box);
        RECT client = ClientScreenRect(e.box);
        // Points in the band above and below the line, and at both ends of the line.
        const POINT samples[] = {{client.left + 1, client.top - 2},
                                 {(client.left + client.right) / 2, client.top - 2},
                                 {client.right - 2, client.bottom + 1},
                                 {client.left, (client.top + client.bottom) / 2},
                                 {client.right - 1, (client.top + client.bottom) / 2}};
        // The window may still be painting just after it came up.
        Screenshot shot;
        RECT window = ScreenRect(e.box);
        auto allBackground = [&] {
            shot = Screenshot::Capture(window);
            for (const POINT& s : samples) {
                if (shot.Pixel(s.x - window.left, s.y - window.top) != e.background) {
                    return false;
                }
            }
            return true;
        };
        if (!WaitFor(allBackground, 5000)) {
            for (const POINT& s : samples) {
                COLORREF pixel = shot.Pixel(s.x - window.left, s.y - window.top);
                EXPECT_EQ(pixel, e.background) << "box " << id << " at (" << s.x << "," << s.y << "): got "
                                               << ColorText(pixel) << ", expected " << ColorText(e.background);
            }
            ADD_FAILURE() << "see " << SaveForLooking(shot, "edit_box_" + std::to_string(id) + ".bmp");
        }
    }

    // Where "PPI" is drawn: the pixels of the line that are not background.
    // The text may be drawn a moment after the background.
    RECT window = ScreenRect(calculator.density);
    RECT client = ClientScreenRect(calculator.density);
    Screenshot shot;
    Ink ink;
    WaitFor([&] {
        shot = Screenshot::Capture(window);
        ink = FindInk(shot, window, client, kLightGrey);
        return ink.found;
    }, 5000);
    ASSERT_TRUE(ink.found) << "no text drawn in the density box's line " << RectText(client) << "; see "
                           << SaveForLooking(shot, "density_box.bmp");
    // Centred: the ink's middle within 2 pixels of the box's middle across and
    // 3 pixels up and down (side bearings and the line's descent leave a little).
    EXPECT_LE(std::abs((ink.area.left + ink.area.right) - (window.left + window.right)), 4)
        << "ink " << RectText(ink.area) << " in box " << RectText(window);
    EXPECT_LE(std::abs((ink.area.top + ink.area.bottom) - (window.top + window.bottom)), 6)
        << "ink " << RectText(ink.area) << " in box " << RectText(window);
    // The box asks for black text; being disabled, the platform may draw it
    // in its grey for disabled text instead.
    EXPECT_TRUE(ink.darkest == RGB(0, 0, 0) || ink.darkest == GetSysColor(COLOR_GRAYTEXT))
        << "darkest text pixel " << ColorText(ink.darkest) << ", disabled text colour "
        << ColorText(GetSysColor(COLOR_GRAYTEXT));
}

// Neither a click nor Tab puts the focus into the density box, and the
// diagonal box stays hidden through a calculation.
TEST_F(EditBoxTest, ResultBoxesNeverTakeTheFocus) {
    ASSERT_TRUE(BringToForeground(calculator.window));
    ASSERT_TRUE(WaitForFocus(calculator.window, calculator.horizontal))
        << "first focus on id " << GetDlgCtrlID(FocusedControl(calculator.window));

    ASSERT_TRUE(FocusByClick(calculator.window, calculator.vertical));
    ASSERT_TRUE(ClickAt(CentreOf(calculator.density)));
    // Input is handled in order: once the 9 shows in the box that had the
    // focus, the click before it has been handled as well.
    ASSERT_TRUE(TypeCharacters("9"));
    ASSERT_TRUE(WaitForText(calculator.vertical, "9"))
        << "vertical box holds " << Shown(ReadWindowTextBytes(calculator.vertical));
    EXPECT_EQ(FocusedControl(calculator.window), calculator.vertical)
        << "focus on id " << GetDlgCtrlID(FocusedControl(calculator.window));
    EXPECT_EQ(ReadWindowTextBytes(calculator.density), "PPI");

    // Tab and Shift+Tab visit the inputs and the button only.
    ASSERT_TRUE(FocusByClick(calculator.window, calculator.horizontal));
    const struct {
        bool back;
        HWND expected;
    } steps[] = {{false, calculator.vertical}, {false, calculator.size},     {false, calculator.button},
                 {false, calculator.horizontal}, {true, calculator.button}, {true, calculator.size}};
    for (const auto& step : steps) {
        if (step.back) {
            EXPECT_TRUE(MoveFocusWithKeys(calculator.window, {VK_SHIFT, VK_TAB}, step.expected)) << "Shift+Tab";
        } else {
            EXPECT_TRUE(MoveFocusWithKeys(calculator.window, {VK_TAB}, step.expected)) << "Tab";
        }
    }

    ASSERT_TRUE(SetTextBytes(calculator.horizontal, "1920"));
    ASSERT_TRUE(SetTextBytes(calculator.vertical, "1080"));
    ASSERT_TRUE(SetTextBytes(calculator.size, "15.6"));
    ASSERT_TRUE(ClickControl(calculator.window, calculator.button));
    ASSERT_TRUE(WaitForText(calculator.density, "141.2121794872"))
        << "density box holds " << Shown(ReadWindowTextBytes(calculator.density));
    EXPECT_FALSE(IsWindowVisible(calculator.diagonal)) << "the diagonal box became visible";
    EXPECT_TRUE(IsWindowVisible(calculator.density));
    EXPECT_FALSE(IsWindowEnabled(calculator.density)) << "the density box became enabled";
}

} // namespace
