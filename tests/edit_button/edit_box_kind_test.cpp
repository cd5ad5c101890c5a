// The edit box kind in-process: records it refuses, the box it makes, the
// events of text writes, typing and focus, its setters' answers, its colours,
// font and selection, and what it saves for a re-creation.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/edit_button/kind_test_host.h"
#include "ui/description/edit_box_properties.h"
#include "ui/kinds/edit_box.h"
#include "ui/window/control_kind.h"

namespace {

constexpr uint32_t kBoxId = 0x1601000C;
constexpr uint32_t kOtherBoxId = 0x1601000D;

// Kind-specific indices used below (PropertyIndex - 8).
constexpr int32_t kText = 0;
constexpr int32_t kBorder = 1;
constexpr int32_t kBackColor = 3;
constexpr int32_t kFont = 4;
constexpr int32_t kHideSelection = 5;
constexpr int32_t kMaxLength = 6;
constexpr int32_t kMultiLine = 7;
constexpr int32_t kScrollBars = 8;
constexpr int32_t kHAlign = 9;
constexpr int32_t kInputMode = 10;
constexpr int32_t kPasswordChar = 11;
constexpr int32_t kLetterCase = 12;
constexpr int32_t kSpinMode = 13;
constexpr int32_t kSpinMin = 14;
constexpr int32_t kSelStart = 16;
constexpr int32_t kSelLength = 17;
constexpr int32_t kSelectedText = 18;

const char kWu[] = "\xCE\xE2"; // "吴"

std::vector<uint8_t> Record(const EditBoxProperties& properties) { return WriteEditBoxProperties(properties); }

KindValue Get(HWND box, int32_t index) {
    KindValue value;
    EXPECT_TRUE(kEditBoxKind.getKindProperty(box, index, value)) << "index " << index;
    return value;
}

bool SetNumber(HWND box, int32_t index, int32_t number) {
    KindValue value;
    value.number = number;
    return kEditBoxKind.setKindProperty(box, index, value);
}

bool SetBytes(HWND box, int32_t index, const std::string& bytes) {
    KindValue value;
    value.bytes = bytes;
    return kEditBoxKind.setKindProperty(box, index, value);
}

void TypeChars(HWND box, const std::string& characters) {
    for (char c : characters) {
        SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }

int TextHeight(HFONT font, const char* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cy;
}

HFONT StockGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

std::vector<uint8_t> FontBlock(LONG height, const char* face) {
    LOGFONTA font = {};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = SYMBOL_CHARSET; // replaced by the kind
    font.lfQuality = NONANTIALIASED_QUALITY;
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    std::vector<uint8_t> block(sizeof(font));
    std::memcpy(block.data(), &font, sizeof(font));
    return block;
}

class EditBoxKindTest : public testing::Test {
protected:
    HWND NewBox(const EditBoxProperties& properties = EditBoxProperties(), int height = 24) {
        HWND box = host.Create(kEditBoxKind, Record(properties), kBoxId, 120, height);
        EXPECT_NE(box, nullptr);
        ClearRaisedEvents();
        return box;
    }

    KindTestHost host;
};

TEST_F(EditBoxKindTest, RefusesRecordsItCannotRead) {
    EditBoxProperties newer;
    newer.version = 3;
    EditBoxProperties negative;
    negative.version = -1;
    std::vector<uint8_t> cut = Record(EditBoxProperties());
    cut.pop_back();
    const struct {
        const char* what;
        std::vector<uint8_t> record;
    } cases[] = {{"version 3", Record(newer)}, {"negative version", Record(negative)}, {"cut short", cut}};
    for (const auto& c : cases) {
        EXPECT_EQ(host.Create(kEditBoxKind, c.record, kBoxId), nullptr) << c.what;
    }
    EXPECT_EQ(ChildCount(host.Window()), 0) << "a refused record left a window behind";
}

TEST_F(EditBoxKindTest, EmptyRecordGivesTheDefaultBox) {
    HWND box = host.Create(kEditBoxKind, {}, kBoxId);
    ASSERT_NE(box, nullptr);
    DWORD style = StyleOf(box);
    EXPECT_EQ(style & WS_VISIBLE, 0u) << "made visible; the loader shows it";
    EXPECT_EQ(style & (WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL), DWORD(WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL))
        << std::hex << style;
    EXPECT_EQ(style & (ES_MULTILINE | ES_NOHIDESEL | ES_CENTER | ES_RIGHT | ES_PASSWORD | ES_READONLY | WS_BORDER),
              0u)
        << std::hex << style;
    EXPECT_EQ(ExStyleOf(box) & (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE), DWORD(WS_EX_CLIENTEDGE));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), StockGuiFont());
    EXPECT_EQ(TextOf(box), "");
    EXPECT_EQ(kEditBoxKind.saveKindProperties(box), Record(EditBoxProperties()));
}

// A text write raises event 0 exactly once, also for an unchanged text, and
// the text reads back byte for byte.
TEST_F(EditBoxKindTest, TextWritesRaiseOneChangeAndReadBackUnchanged) {
    HWND box = NewBox();
    const RaisedEvent change = {kHostWindowId, kBoxId, 0};
    const std::string texts[] = {"2202.91", "2202.91", "", "  two  spaces  ", std::string(kWu) + "W" + kWu,
                                 std::string(30000, '7')};
    for (const std::string& text : texts) {
        ClearRaisedEvents();
        EXPECT_FALSE(SetBytes(box, kText, text)) << "a text write asked for a re-creation";
        EXPECT_EQ(RaisedEvents(), std::vector<RaisedEvent>{change}) << "after writing " << text.substr(0, 20)
                                                                    << ": " << EventsText(RaisedEvents());
        EXPECT_EQ(Get(box, kText).bytes, text);
    }
}

TEST_F(EditBoxKindTest, TypingRaisesAChangePerCharacter) {
    HWND box = NewBox();
    TypeChars(box, "15");
    const RaisedEvent change = {kHostWindowId, kBoxId, 0};
    EXPECT_EQ(RaisedEvents(), (std::vector<RaisedEvent>{change, change})) << EventsText(RaisedEvents());
    EXPECT_EQ(Get(box, kText).bytes, "15");
}

TEST_F(EditBoxKindTest, FocusChangesRaiseGotAndLostFocus) {
    HWND first = NewBox();
    HWND second = host.Create(kEditBoxKind, {}, kOtherBoxId, 120, 24);
    ASSERT_NE(second, nullptr);
    ShowWindow(second, SW_SHOWNA);
    ASSERT_TRUE(host.Focus(first));
    ClearRaisedEvents();
    ASSERT_TRUE(host.Focus(second));
    const std::vector<RaisedEvent> expected = {{kHostWindowId, kBoxId, -8}, {kHostWindowId, kOtherBoxId, -7}};
    EXPECT_EQ(RaisedEvents(), expected) << EventsText(RaisedEvents());
}

// Properties that only a new window can show answer "re-create" when they
// change; the others take effect at once. Written values are brought into
// range first.
TEST_F(EditBoxKindTest, SettersAnswerWhetherTheBoxMustBeRecreated) {
    const struct {
        const char* what;
        int32_t index;
        int32_t written;
        bool recreate;
        int32_t readBack;
    } cases[] = {
        {"hideSelection off", kHideSelection, 0, true, 0},
        {"hideSelection unchanged", kHideSelection, 1, false, 1},
        {"hideSelection: any non-zero is 1", kHideSelection, 7, false, 1},
        {"multiLine on", kMultiLine, 1, true, 1},
        {"scrollBars: negative is 0, unchanged", kScrollBars, -5, false, 0},
        {"scrollBars: above the range is 3", kScrollBars, 9, true, 3},
        {"hAlign centred", kHAlign, 1, true, 1},
        {"letterCase upper", kLetterCase, 2, true, 2},
        {"spinMode above the range is 2", kSpinMode, 5, true, 2},
        {"border above the range is 5", kBorder, 9, false, 5},
        {"maxLength: negative is 0", kMaxLength, -3, false, 0},
        {"inputMode above the range is 11", kInputMode, 20, false, 11},
        {"spinMin", kSpinMin, 5, false, 5},
    };
    for (const auto& c : cases) {
        HWND box = NewBox();
        EXPECT_EQ(SetNumber(box, c.index, c.written), c.recreate) << c.what;
        EXPECT_EQ(Get(box, c.index).number, c.readBack) << c.what;
        DestroyWindow(box);
    }
}

TEST_F(EditBoxKindTest, BorderChoosesTheFrameStyles) {
    const struct {
        int32_t border;
        DWORD exEdges;
        bool plainBorder;
    } cases[] = {
        {0, 0, false},
        {1, WS_EX_CLIENTEDGE, false},
        {2, WS_EX_DLGMODALFRAME, false},
        {3, WS_EX_STATICEDGE, false},
        {4, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, false},
        {5, 0, true},
        {0, 0, false}, // and back: nothing of the earlier choice stays
    };
    HWND box = NewBox();
    for (const auto& c : cases) {
        SetNumber(box, kBorder, c.border);
        DWORD edges = ExStyleOf(box) & (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE);
        EXPECT_EQ(edges, c.exEdges) << "border " << c.border << std::hex << ": extended style 0x" << ExStyleOf(box);
        EXPECT_EQ((StyleOf(box) & WS_BORDER) != 0, c.plainBorder) << "border " << c.border;
    }
}

TEST_F(EditBoxKindTest, InputModesFilterTypedCharacters) {
    const struct {
        int32_t mode;
        const char* typed;
        const char* kept;
    } cases[] = {
        {0, "1a.-", "1a.-"},
        {2, "1a.-", "1a.-"},
        {3, "1a.-", "1-"},
        {4, "1a.-", "1.-"},
        {5, "1a.-", "1"},
        {5, "12\b", "1"}, // control characters always pass: Backspace deletes
        {6, "1a.-", "1-"},
        {7, "1a.-", "1-"},
        {8, "1a.-", "1-"},
        {9, "1a.-", "1.-"},
        {10, "1a.-", "1.-"},
        {11, "1a.-", "1a.-"},
    };
    for (const auto& c : cases) {
        HWND box = NewBox();
        SetNumber(box, kInputMode, c.mode);
        TypeChars(box, c.typed);
        EXPECT_EQ(TextOf(box), c.kept) << "mode " << c.mode << ", typed " << c.typed;
        DestroyWindow(box);
    }
}

TEST_F(EditBoxKindTest, ReadOnlyAndPasswordModes) {
    EditBoxProperties password;
    password.inputMode = 2;
    password.passwordChar = '#';
    HWND box = NewBox(password);
    EXPECT_NE(StyleOf(box) & ES_PASSWORD, 0u);
    EXPECT_EQ(SendMessageA(box, EM_GETPASSWORDCHAR, 0, 0), '#');
    SetBytes(box, kPasswordChar, "@x");
    EXPECT_EQ(SendMessageA(box, EM_GETPASSWORDCHAR, 0, 0), '@') << "the first byte of the text is the character";
    EXPECT_EQ(Get(box, kPasswordChar).bytes, "@");

    SetNumber(box, kInputMode, 1);
    EXPECT_NE(StyleOf(box) & ES_READONLY, 0u) << "mode 1 is read-only";
    EXPECT_EQ(SendMessageA(box, EM_GETPASSWORDCHAR, 0, 0), 0) << "the password character stays with mode 2";
    SetNumber(box, kInputMode, 0);
    EXPECT_EQ(StyleOf(box) & ES_READONLY, 0u);
}

TEST_F(EditBoxKindTest, WantsEnterOnlyWhenMultiLineAndEditable) {
    const struct {
        int32_t multiLine;
        int32_t inputMode;
        uint32_t key;
        bool wanted;
    } cases[] = {
        {0, 0, VK_RETURN, false}, {1, 0, VK_RETURN, true}, {1, 1, VK_RETURN, false},
        {1, 2, VK_RETURN, true},  {1, 0, VK_TAB, false},   {1, 0, VK_ESCAPE, false},
    };
    for (const auto& c : cases) {
        EditBoxProperties p;
        p.multiLine = c.multiLine;
        p.inputMode = c.inputMode;
        HWND box = NewBox(p);
        EXPECT_EQ(kEditBoxKind.wantsKey(box, c.key), c.wanted)
            << "multiLine " << c.multiLine << ", mode " << c.inputMode << ", key " << c.key;
        DestroyWindow(box);
    }
}

// What the user typed after the last read is not lost when the box is re-created.
TEST_F(EditBoxKindTest, SavedRecordHoldsTheLiveTextAndTheChangedProperties) {
    HWND box = NewBox();
    SetNumber(box, kBorder, 3);
    SetBytes(box, kText, "written");
    SetWindowTextA(box, "typed since");
    EditBoxProperties saved;
    std::vector<uint8_t> record = kEditBoxKind.saveKindProperties(box);
    ASSERT_TRUE(ReadEditBoxProperties(record.data(), record.size(), saved));
    EXPECT_EQ(saved.text, "typed since");
    EXPECT_EQ(saved.border, 3);
    HWND again = host.Create(kEditBoxKind, record, kBoxId);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(TextOf(again), "typed since");
}

TEST_F(EditBoxKindTest, SingleLineBoxGrowsToFitALine) {
    const int needed = TextHeight(StockGuiFont(), kWu) + 2 * GetSystemMetrics(SM_CYEDGE);
    const struct {
        int32_t multiLine;
        int height;
        int expected;
    } cases[] = {{0, 4, needed}, {0, needed + 10, needed + 10}, {1, 4, 4}};
    for (const auto& c : cases) {
        EditBoxProperties p;
        p.multiLine = c.multiLine;
        HWND box = host.Create(kEditBoxKind, Record(p), kBoxId, 120, c.height);
        ASSERT_NE(box, nullptr);
        RECT rect = {};
        GetWindowRect(box, &rect);
        EXPECT_EQ(rect.bottom - rect.top, c.expected) << "multiLine " << c.multiLine << ", made " << c.height;
        EXPECT_EQ(rect.right - rect.left, 120);
        DestroyWindow(box);
    }
}

TEST_F(EditBoxKindTest, SingleLineClientAreaIsOneLineInTheMiddle) {
    const int lineHeight = TextHeight(StockGuiFont(), "W");
    const struct {
        int32_t border;
        int height;
    } cases[] = {{1, 48}, {4, 48}, {0, 25}, {5, 30}};
    for (const auto& c : cases) {
        EditBoxProperties p;
        p.border = c.border;
        HWND box = NewBox(p, c.height);
        RECT window = {};
        GetWindowRect(box, &window);
        RECT client = {};
        GetClientRect(box, &client);
        MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&client), 2);
        EXPECT_EQ(client.bottom - client.top, lineHeight) << "border " << c.border;
        int above = client.top - window.top;
        int below = window.bottom - client.bottom;
        EXPECT_TRUE(below == above || below == above + 1)
            << "border " << c.border << ": " << above << " above, " << below << " below";
        DestroyWindow(box);
    }
}

// Colours reach the DC of the colour message; brush and font are the box's
// and go with it.
TEST_F(EditBoxKindTest, ColoursBrushAndFontBelongToTheBox) {
    EditBoxProperties p;
    p.textColor = RGB(200, 0, 0);
    p.backColor = 0xFF000000; // the button face
    p.font = FontBlock(-20, "Arial");
    HWND box = NewBox(p);
    HDC dc = CreateCompatibleDC(nullptr);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(host.Window(), WM_CTLCOLOREDIT,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
    ASSERT_NE(brush, nullptr) << "the box gave no brush for its colours";
    EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0));
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    LOGBRUSH brushInfo = {};
    ASSERT_EQ(GetObjectA(brush, sizeof(brushInfo), &brushInfo), int(sizeof(brushInfo)));
    EXPECT_EQ(brushInfo.lbColor, GetSysColor(COLOR_BTNFACE));
    DeleteDC(dc);

    auto font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    ASSERT_NE(font, StockGuiFont()) << "a 60-byte font block gave no font of its own";
    LOGFONTA fontInfo = {};
    ASSERT_EQ(GetObjectA(font, sizeof(fontInfo), &fontInfo), int(sizeof(fontInfo)));
    EXPECT_EQ(fontInfo.lfHeight, -20);
    EXPECT_EQ(fontInfo.lfWeight, FW_BOLD);
    EXPECT_EQ(fontInfo.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(fontInfo.lfQuality, PROOF_QUALITY);

    // A new background colour makes a new brush and frees the old one.
    SetNumber(box, kBackColor, RGB(1, 2, 3));
    EXPECT_EQ(GetObjectType(brush), 0u) << "the old brush was not deleted";
    // A font block of another length means the stock font; the own one goes.
    SetBytes(box, kFont, std::string(59, '\0'));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), StockGuiFont());
    EXPECT_EQ(GetObjectType(font), 0u) << "the replaced font was not deleted";

    const std::vector<uint8_t> smaller = FontBlock(-12, "Arial");
    SetBytes(box, kFont, std::string(smaller.begin(), smaller.end()));
    font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    dc = CreateCompatibleDC(nullptr);
    brush = reinterpret_cast<HBRUSH>(SendMessageA(host.Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(box)));
    DeleteDC(dc);
    DestroyWindow(box);
    EXPECT_EQ(GetObjectType(brush), 0u) << "the brush outlived the box";
    EXPECT_EQ(GetObjectType(font), 0u) << "the font outlived the box";
}

TEST_F(EditBoxKindTest, SelectionIsSetAndReadInCharacters) {
    const std::string gbk = std::string(kWu) + "W" + kWu; // three characters, five bytes
    const struct {
        std::string text;
        int32_t start;
        int32_t length;
        int32_t readStart;
        int32_t readLength;
        std::string selected;
    } cases[] = {
        {"abcdefgh", 2, 3, 2, 3, "cde"},
        {"abcdefgh", -1, 0, 8, 0, ""},          // -1: after the last character
        {"abcdefgh", 3, -1, 0, 8, "abcdefgh"}, // length -1: the whole text
        {"abcdefgh", -4, 2, 0, 2, "ab"},        // other negative starts count as 0
        {"abcdefgh", 6, 100, 6, 2, "gh"},       // clamped to the text
        {gbk, 1, 1, 1, 1, "W"},
        {gbk, 1, 2, 1, 2, "W" + std::string(kWu)},
    };
    for (const auto& c : cases) {
        HWND box = NewBox();
        SetBytes(box, kText, c.text);
        SetNumber(box, kSelStart, c.start);
        SetNumber(box, kSelLength, c.length);
        EXPECT_EQ(Get(box, kSelStart).number, c.readStart) << c.start << "/" << c.length;
        EXPECT_EQ(Get(box, kSelLength).number, c.readLength) << c.start << "/" << c.length;
        EXPECT_EQ(Get(box, kSelectedText).bytes, c.selected) << c.start << "/" << c.length;
        DestroyWindow(box);
    }
    HWND box = NewBox();
    SetBytes(box, kText, "abcdefgh");
    SetNumber(box, kSelStart, 2);
    SetNumber(box, kSelLength, 3);
    SetBytes(box, kSelectedText, "XY");
    EXPECT_EQ(Get(box, kText).bytes, "abXYfgh") << "the selected text is replaced";
}

} // namespace
