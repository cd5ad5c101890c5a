// The label kind in-process: the records it refuses, the window it makes,
// its border styles and setters, and what it paints (through WM_PRINTCLIENT,
// the paint code of WM_PAINT): background colour, pictures, gradients, text
// placement, effects and font.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/picture/kind_canvas.h"
#include "tests/picture/png_fixture.h"
#include "ui/description/label_properties.h"
#include "ui/kinds/label.h"
#include "ui/window/control_kind.h"

// Kind-specific property numbers (PropertyIndex - 8).
constexpr int32_t kText = 0;
constexpr int32_t kEffect = 1;
constexpr int32_t kBorder = 2;
constexpr int32_t kGradientBorderWidth = 3;
constexpr int32_t kGradientBorderColor1 = 4;
constexpr int32_t kFont = 7;
constexpr int32_t kTextColor = 8;
constexpr int32_t kBackColor = 9;
constexpr int32_t kPicture = 10;
constexpr int32_t kPictureMode = 11;
constexpr int32_t kGradientBackMode = 12;
constexpr int32_t kGradientBackColor3 = 15;
constexpr int32_t kHAlign = 16;
constexpr int32_t kWordWrap = 17;
constexpr int32_t kVAlign = 18;
constexpr int32_t kDataSource = 19;
constexpr int32_t kDataColumn = 20;

// COLORREF values (0x00BBGGRR) used as background and text colours.
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kLeaveOut = 0xFF000000;

static std::vector<uint8_t> Record(const LabelProperties& p) { return WriteLabelProperties(p); }

// A label record with this text on a plain background and nothing else.
static LabelProperties Plain(const std::string& text, uint32_t backColor = kRed) {
    LabelProperties p;
    p.text = text;
    p.backColor = backColor;
    return p;
}

static KindValue GetValue(HWND label, int32_t index) {
    KindValue value;
    EXPECT_TRUE(kLabelKind.getKindProperty(label, index, value)) << "index " << index;
    return value;
}

static bool SetNumber(HWND label, int32_t index, int32_t number) {
    KindValue value;
    value.number = number;
    return kLabelKind.setKindProperty(label, index, value);
}

static bool SetBytes(HWND label, int32_t index, const std::string& bytes) {
    KindValue value;
    value.bytes = bytes;
    return kLabelKind.setKindProperty(label, index, value);
}

static std::string Bytes(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

static std::string WindowTextOf(HWND window) {
    char text[256] = {};
    int length = GetWindowTextA(window, text, sizeof(text));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

// The bounding box of the pixels that are not `rgb` (the text, on a plain
// background); empty when there are none.
static RECT InkBox(const Capture& capture, uint32_t rgb) {
    RECT box = {capture.width, capture.height, 0, 0};
    for (int y = 0; y < capture.height; y++) {
        for (int x = 0; x < capture.width; x++) {
            if (capture.At(x, y) != rgb) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
    }
    if (box.right == 0) {
        return {};
    }
    return box;
}

static std::string BoxText(const RECT& box) {
    return "(" + std::to_string(box.left) + "," + std::to_string(box.top) + ")-(" + std::to_string(box.right) +
           "," + std::to_string(box.bottom) + ")";
}

static int CountColour(const Capture& capture, uint32_t rgb) {
    return capture.width * capture.height - capture.CountOther(0, 0, capture.width, capture.height, rgb);
}

// Pixels close to `rgb`: text may be smoothed into its background.
static int CountNear(const Capture& capture, uint32_t rgb) {
    return capture.width * capture.height - capture.CountOther(0, 0, capture.width, capture.height, rgb, 40);
}

class LabelKindTest : public testing::Test {
protected:
    HWND NewLabel(const LabelProperties& p, int width = 120, int height = 24) {
        HWND label = canvas.Create(kLabelKind, Record(p), width, height);
        EXPECT_NE(label, nullptr);
        return label;
    }

    KindCanvas canvas;
};

TEST_F(LabelKindTest, RefusesRecordsItCannotRead) {
    LabelProperties newer;
    newer.version = 3;
    std::vector<uint8_t> cut = Record(LabelProperties());
    cut.pop_back();
    LabelProperties older;
    older.version = 1;
    std::vector<uint8_t> olderWithoutText = Record(older);
    olderWithoutText.resize(olderWithoutText.size() - 4 - older.text.size() + 2);
    struct {
        const char* what;
        std::vector<uint8_t> record;
    } cases[] = {
        {"version 3", Record(newer)},
        {"last byte missing", cut},
        {"version 1 cut inside its text", olderWithoutText},
        {"only part of the version", {2, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(canvas.Create(kLabelKind, c.record, 80, 24), nullptr) << c.what;
    }
    EXPECT_EQ(canvas.ChildCount(), 0) << "a refused record left a window behind";
}

TEST_F(LabelKindTest, EmptyAndOlderRecordsGiveTheirValuesAndSaveAsVersion2) {
    HWND defaults = canvas.Create(kLabelKind, {}, 80, 24);
    ASSERT_NE(defaults, nullptr);
    EXPECT_EQ(WindowTextOf(defaults), "\xB1\xEA\xC7\xA9") << "the default caption"; // "标签"
    EXPECT_EQ(kLabelKind.saveKindProperties(defaults), Record(LabelProperties()));

    // Version 1 ends after the text: no data source, no data column.
    LabelProperties older = Plain("abc");
    older.version = 1;
    older.hAlign = 2;
    HWND label = NewLabel(older);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(WindowTextOf(label), "abc");
    LabelProperties saved;
    std::vector<uint8_t> bytes = kLabelKind.saveKindProperties(label);
    ASSERT_TRUE(ReadLabelProperties(bytes.data(), bytes.size(), saved));
    LabelProperties expected = older;
    expected.version = 2;
    EXPECT_EQ(saved, expected) << "saved " << bytes.size() << " bytes";
}

TEST_F(LabelKindTest, MakesAHiddenChildOfItsOwnClass) {
    HWND label = canvas.Create(kLabelKind, Record(Plain("x")), 80, 24, WS_DISABLED);
    ASSERT_NE(label, nullptr);
    char className[64] = {};
    GetClassNameA(label, className, sizeof(className));
    EXPECT_STREQ(className, "CalcLabel");
    DWORD style = static_cast<DWORD>(GetWindowLongA(label, GWL_STYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_DISABLED), DWORD{WS_CHILD | WS_CLIPSIBLINGS | WS_DISABLED})
        << std::hex << style;
    EXPECT_EQ(style & WS_VISIBLE, 0u) << "the window build shows the controls itself";
    EXPECT_EQ(GetClassLongA(label, GCL_STYLE), DWORD{CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS});
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(label, GCLP_HBRBACKGROUND)), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetWindowLongA(label, GWL_ID), 100);
}

// Extended-style bits of the border values, and whether WS_BORDER is on.
struct BorderCase {
    int32_t written;
    DWORD exStyle;
    bool line;
};

static const BorderCase kLabelBorders[] = {
    {0, 0, false},
    {1, WS_EX_CLIENTEDGE, false},
    {2, WS_EX_DLGMODALFRAME, false},
    {3, WS_EX_STATICEDGE, false},
    {4, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, false},
    {5, 0, true},
    {6, 0, false},  // painted by the label, no style
    {9, 0, false},  // clamped to 6
    {-4, 0, false}, // clamped to 0
};

static void ExpectBorder(HWND control, const BorderCase& c, const char* how) {
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE));
    DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    EXPECT_EQ(exStyle & 0x20201, c.exStyle) << how << " border " << c.written << ": ex style " << std::hex << exStyle;
    EXPECT_EQ((style & WS_BORDER) != 0, c.line) << how << " border " << c.written << ": style " << std::hex << style;
}

TEST_F(LabelKindTest, BorderStylesAtCreationAndWhenWritten) {
    for (const BorderCase& c : kLabelBorders) {
        if (c.written >= 0 && c.written <= 6) {
            LabelProperties p = Plain("x");
            p.border = static_cast<uint32_t>(c.written);
            HWND created = NewLabel(p);
            ExpectBorder(created, c, "created with");
        }
    }
    // Writing goes from every value to every other: old bits are removed.
    HWND label = NewLabel(Plain("x"));
    for (const BorderCase& from : kLabelBorders) {
        for (const BorderCase& to : kLabelBorders) {
            SetNumber(label, kBorder, from.written);
            EXPECT_FALSE(SetNumber(label, kBorder, to.written)) << "a border never needs re-creation";
            ExpectBorder(label, to, ("written after " + std::to_string(from.written)).c_str());
        }
    }
    // A frame drawn by the system leaves less client area: the change took effect.
    SetNumber(label, kBorder, 1);
    RECT client = {};
    GetClientRect(label, &client);
    EXPECT_LT(client.right, 120) << "client edge did not change the frame";
}

TEST_F(LabelKindTest, WrittenValuesAreClampedKeptAndSaved) {
    HWND label = NewLabel(Plain("x"));
    struct {
        int32_t index;
        int32_t written;
        int32_t read;
    } numbers[] = {
        {kEffect, 2, 2},
        {kEffect, 9, 3},
        {kEffect, -1, 0},
        {kGradientBorderWidth, 4, 5}, // below 5 becomes 5
        {kGradientBorderWidth, -20, 5},
        {kGradientBorderWidth, 12, 12},
        {kGradientBorderColor1, static_cast<int32_t>(kLeaveOut), static_cast<int32_t>(kLeaveOut)},
        {kTextColor, 0x123456, 0x123456},
        {kBackColor, static_cast<int32_t>(kLeaveOut), static_cast<int32_t>(kLeaveOut)},
        {kPictureMode, 7, 2},
        {kGradientBackMode, 8, 8},
        {kGradientBackMode, 9, 8},
        {kGradientBackColor3, 0x00ABCDEF, 0x00ABCDEF},
        {kHAlign, 3, 2},
        {kWordWrap, 5, 1}, // a truth value
        {kWordWrap, 0, 0},
        {kVAlign, 100, 2},
    };
    for (const auto& n : numbers) {
        EXPECT_FALSE(SetNumber(label, n.index, n.written)) << "index " << n.index;
        EXPECT_EQ(GetValue(label, n.index).number, n.read) << "index " << n.index << " written " << n.written;
    }
    std::string font(60, '\0');
    font[0] = static_cast<char>(0xE4); // lfHeight -28
    font[1] = static_cast<char>(0xFF);
    font[2] = static_cast<char>(0xFF);
    font[3] = static_cast<char>(0xFF);
    EXPECT_FALSE(SetBytes(label, kText, "new caption"));
    EXPECT_FALSE(SetBytes(label, kFont, font));
    EXPECT_FALSE(SetBytes(label, kDataSource, "source"));
    EXPECT_FALSE(SetBytes(label, kDataColumn, "column"));
    EXPECT_EQ(GetValue(label, kText).bytes, "new caption");
    EXPECT_EQ(WindowTextOf(label), "new caption") << "writing the text sets the window text";
    EXPECT_EQ(GetValue(label, kFont).bytes, font);
    EXPECT_EQ(GetValue(label, kDataSource).bytes, "source");
    EXPECT_EQ(GetValue(label, kDataColumn).bytes, "column");

    KindValue unknown;
    EXPECT_FALSE(kLabelKind.getKindProperty(label, 21, unknown));
    EXPECT_FALSE(kLabelKind.getKindProperty(label, -1, unknown));
    EXPECT_FALSE(SetNumber(label, 21, 1));

    LabelProperties saved;
    std::vector<uint8_t> bytes = kLabelKind.saveKindProperties(label);
    ASSERT_TRUE(ReadLabelProperties(bytes.data(), bytes.size(), saved));
    EXPECT_EQ(saved.version, 2u);
    EXPECT_EQ(saved.text, "new caption");
    EXPECT_EQ(saved.effect, 0u);
    EXPECT_EQ(saved.gradientBorderWidth, 12);
    EXPECT_EQ(saved.gradientBackMode, 8u);
    EXPECT_EQ(saved.vAlign, 2u);
    EXPECT_EQ(Bytes(saved.font), font);
    EXPECT_EQ(saved.dataColumn, "column");
}

TEST_F(LabelKindTest, EmptyTextPaintsOnlyTheBackground) {
    Capture red = CaptureClient(NewLabel(Plain("", kRed), 50, 20));
    EXPECT_EQ(red.CountOther(0, 0, 50, 20, RgbOf(kRed)), 0) << "first pixel " << RgbText(red.At(0, 0));
    // The default colour is the button face, read at the paint.
    Capture face = CaptureClient(NewLabel(Plain("", kLeaveOut), 50, 20));
    uint32_t buttonFace = RgbOf(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(face.CountOther(0, 0, 50, 20, buttonFace), 0)
        << "first pixel " << RgbText(face.At(0, 0)) << ", button face " << RgbText(buttonFace);
}

// The text lies where hAlign, vAlign and wordWrap put it, in a 120x40 label.
TEST_F(LabelKindTest, TextPlacement) {
    const std::string shortText = "Hello";
    const std::string longText = "one two three four five six seven eight nine ten";
    // Capitals and a descender: the height of a whole line.
    HWND reference = NewLabel(Plain("Hg"), 120, 40);
    RECT line = InkBox(CaptureClient(reference), RgbOf(kRed));
    ASSERT_GT(line.bottom - line.top, 4) << "no text drawn: " << BoxText(line);
    int lineHeight = line.bottom - line.top;
    struct {
        const char* what;
        uint32_t hAlign;
        uint32_t vAlign;
        uint32_t wordWrap;
        const std::string& text;
        bool (*fits)(const RECT& ink, int lineHeight);
    } cases[] = {
        {"left, centred vertically", 0, 1, 0, shortText,
         [](const RECT& ink, int) { return ink.left < 4 && ink.right < 60 && std::abs((ink.top + ink.bottom) - 40) <= 6; }},
        {"centred", 1, 1, 0, shortText,
         [](const RECT& ink, int) { return std::abs((ink.left + ink.right) - 120) <= 8; }},
        {"right", 2, 1, 0, shortText, [](const RECT& ink, int) { return ink.right > 112 && ink.left > 60; }},
        {"top", 0, 0, 0, shortText, [](const RECT& ink, int) { return ink.top < 6; }},
        {"bottom", 0, 2, 0, shortText, [](const RECT& ink, int) { return ink.bottom > 34; }},
        {"long text stays on one line, cut at the edge", 0, 1, 0, longText,
         [](const RECT& ink, int height) { return ink.bottom - ink.top <= height + 2 && ink.right > 110; }},
        {"word wrap breaks lines and starts at the top", 0, 1, 1, longText,
         [](const RECT& ink, int height) { return ink.bottom - ink.top > height + 4 && ink.top < 6; }},
    };
    for (const auto& c : cases) {
        LabelProperties p = Plain(c.text);
        p.hAlign = c.hAlign;
        p.vAlign = c.vAlign;
        p.wordWrap = c.wordWrap;
        Capture capture = CaptureClient(NewLabel(p, 120, 40));
        RECT ink = InkBox(capture, RgbOf(kRed));
        EXPECT_TRUE(c.fits(ink, lineHeight)) << c.what << ": text at " << BoxText(ink) << ", one line is "
                                             << lineHeight << " high";
        EXPECT_EQ(CountColour(capture, kUnpainted), 0) << c.what << ": pixels left unpainted";
    }
}

TEST_F(LabelKindTest, LineBreaksAndPrefixesOnASingleLine) {
    RECT plain = InkBox(CaptureClient(NewLabel(Plain("AB"), 120, 40)), RgbOf(kRed));
    RECT broken = InkBox(CaptureClient(NewLabel(Plain("A\r\nB"), 120, 40)), RgbOf(kRed));
    EXPECT_LE(broken.bottom - broken.top, plain.bottom - plain.top + 2)
        << "a line break started a new line: " << BoxText(broken) << " against " << BoxText(plain);
    // "&A" shows an underlined A and no "&": as wide as "A", reaching lower.
    RECT letter = InkBox(CaptureClient(NewLabel(Plain("A"), 120, 40)), RgbOf(kRed));
    RECT prefixed = InkBox(CaptureClient(NewLabel(Plain("&A"), 120, 40)), RgbOf(kRed));
    EXPECT_LE(prefixed.right - prefixed.left, letter.right - letter.left + 2)
        << "\"&A\" " << BoxText(prefixed) << ", \"A\" " << BoxText(letter);
    EXPECT_GT(prefixed.bottom, letter.bottom) << "no underline: \"&A\" " << BoxText(prefixed) << ", \"A\" "
                                              << BoxText(letter);
    // "&&" shows one "&".
    RECT doubled = InkBox(CaptureClient(NewLabel(Plain("&&"), 120, 40)), RgbOf(kRed));
    RECT quadrupled = InkBox(CaptureClient(NewLabel(Plain("&&&&"), 120, 40)), RgbOf(kRed));
    EXPECT_GT(doubled.right - doubled.left, 2) << "\"&&\" showed nothing";
    EXPECT_LT(doubled.right - doubled.left, quadrupled.right - quadrupled.left)
        << "\"&&\" " << BoxText(doubled) << ", \"&&&&\" " << BoxText(quadrupled);
}

TEST_F(LabelKindTest, EffectsDrawAnExtraCopy) {
    struct {
        uint32_t effect;
        uint32_t textColor;
        uint32_t extraColour; // the copy's colour, absent without an effect
        bool extraShown;
    } cases[] = {
        {0, kBlack, kWhite, false},
        {1, kBlack, kWhite, true},
        {2, kBlack, kWhite, true},
        {3, kWhite, kBlack, true},
        {0, kWhite, kBlack, false},
    };
    for (const auto& c : cases) {
        LabelProperties p = Plain("Hello", kBlue);
        p.effect = c.effect;
        p.textColor = c.textColor;
        Capture capture = CaptureClient(NewLabel(p));
        int extra = CountNear(capture, RgbOf(c.extraColour));
        EXPECT_EQ(extra > 0, c.extraShown) << "effect " << c.effect << ": " << extra << " pixels of "
                                          << RgbText(RgbOf(c.extraColour));
        EXPECT_GT(CountNear(capture, RgbOf(c.textColor)), 0) << "effect " << c.effect << ": no text colour";
    }
}

TEST_F(LabelKindTest, FontBlockOfSixtyBytesOrTheDefaultFont) {
    LOGFONTA big = {};
    big.lfHeight = -30;
    big.lfWeight = FW_BOLD;
    std::strcpy(big.lfFaceName, "Tahoma");
    std::vector<uint8_t> block(sizeof(big));
    std::memcpy(block.data(), &big, sizeof(big));

    LabelProperties p = Plain("Hello", kRed);
    RECT standard = InkBox(CaptureClient(NewLabel(p, 160, 48)), RgbOf(kRed));
    p.font = block;
    RECT large = InkBox(CaptureClient(NewLabel(p, 160, 48)), RgbOf(kRed));
    p.font.pop_back();
    RECT shortBlock = InkBox(CaptureClient(NewLabel(p, 160, 48)), RgbOf(kRed));
    EXPECT_GT(large.bottom - large.top, standard.bottom - standard.top + 6)
        << "60-byte font " << BoxText(large) << ", default " << BoxText(standard);
    EXPECT_TRUE(EqualRect(&shortBlock, &standard)) << "59-byte font " << BoxText(shortBlock) << ", default "
                                                   << BoxText(standard);
}

// A picture of 2x2 distinct opaque colours (RGB bytes) for the placements.
static std::vector<uint8_t> Checker() {
    return EncodePng(2, 2, PNG_FORMAT_RGB, {255, 255, 0, 0, 255, 255, 255, 0, 255, 0, 0, 0});
}

TEST_F(LabelKindTest, BackgroundPictureByPictureMode) {
    // Mode 1 tiles from the top-left corner over the whole label.
    LabelProperties tiled = Plain("", kRed);
    tiled.picture = Checker();
    tiled.pictureMode = 1;
    Capture tiles = CaptureClient(NewLabel(tiled, 9, 5));
    const uint32_t checker[2][2] = {{0xFFFF00, 0x00FFFF}, {0xFF00FF, 0x000000}};
    for (int y = 0; y < 5; y++) {
        for (int x = 0; x < 9; x++) {
            ASSERT_EQ(RgbText(tiles.At(x, y)), RgbText(checker[y % 2][x % 2])) << "tile pixel " << x << "," << y;
        }
    }

    // Mode 0: natural size at the top left, the rest in the background colour.
    LabelProperties natural = Plain("", kRed);
    natural.picture = SolidPng(4, 3, 0, 255, 0);
    natural.pictureMode = 0;
    Capture corner = CaptureClient(NewLabel(natural, 20, 10));
    EXPECT_EQ(corner.CountOther(0, 0, 4, 3, 0x00FF00), 0) << "picture at " << RgbText(corner.At(0, 0));
    EXPECT_EQ(corner.CountOther(4, 0, 20, 10, RgbOf(kRed)) + corner.CountOther(0, 3, 4, 10, RgbOf(kRed)), 0)
        << "background around the picture";

    // Mode 2: an 80x10 picture in a 40x40 label is drawn 40x5 at (0,17).
    LabelProperties fitted = Plain("", kRed);
    fitted.picture = SolidPng(80, 10, 0, 255, 0);
    fitted.pictureMode = 2;
    Capture fit = CaptureClient(NewLabel(fitted, 40, 40));
    EXPECT_EQ(fit.CountOther(0, 17, 40, 22, 0x00FF00), 0) << "row 17 starts " << RgbText(fit.At(0, 17));
    EXPECT_EQ(fit.CountOther(0, 0, 40, 17, RgbOf(kRed)) + fit.CountOther(0, 22, 40, 40, RgbOf(kRed)), 0)
        << "bands above and below: row 16 " << RgbText(fit.At(0, 16)) << ", row 22 " << RgbText(fit.At(0, 22));
}

TEST_F(LabelKindTest, TranslucentPixelsShowTheBackgroundColour) {
    // Black at alpha 0, 128 and 255 over a white label.
    std::vector<uint8_t> file = EncodePng(3, 1, PNG_FORMAT_RGBA, {0, 0, 0, 0, 0, 0, 0, 128, 0, 0, 0, 255});
    LabelProperties p = Plain("", kWhite);
    p.picture = file;
    p.pictureMode = 0;
    Capture capture = CaptureClient(NewLabel(p, 3, 1));
    EXPECT_EQ(RgbText(capture.At(0, 0)), "#FFFFFF") << "alpha 0";
    EXPECT_EQ(RgbText(capture.At(1, 0)), "#7E7E7E") << "alpha 128: 255 * (1 - 128/255) truncated is 126";
    EXPECT_EQ(RgbText(capture.At(2, 0)), "#000000") << "alpha 255";
}

TEST_F(LabelKindTest, UndecodablePictureIsDroppedAtTheFirstPaint) {
    LabelProperties p = Plain("", kRed);
    p.picture = SolidPng(4, 4, 0, 255, 0);
    p.picture.resize(p.picture.size() / 2);
    HWND label = NewLabel(p, 20, 10);
    EXPECT_EQ(GetValue(label, kPicture).bytes.size(), p.picture.size()) << "kept until it is needed";
    Capture capture = CaptureClient(label);
    EXPECT_EQ(capture.CountOther(0, 0, 20, 10, RgbOf(kRed)), 0) << "first pixel " << RgbText(capture.At(0, 0));
    EXPECT_EQ(GetValue(label, kPicture).bytes, "") << "a picture that cannot be decoded is cleared";

    // Already at that first paint the label looks as one without a picture:
    // here with its gradient background.
    LabelProperties gradient = p;
    gradient.gradientBackMode = 1;
    gradient.gradientBackColor1 = kGreen;
    gradient.gradientBackColor2 = kBlue;
    gradient.gradientBackColor3 = kLeaveOut;
    Capture shaded = CaptureClient(NewLabel(gradient, 20, 10));
    EXPECT_EQ(RgbText(shaded.At(0, 5)), RgbText(RgbOf(kGreen))) << "the gradient's first colour";
    EXPECT_EQ(CountColour(shaded, RgbOf(kRed)), 0) << "the solid background showed instead of the gradient";

    // A new picture written later is decoded at the next paint.
    EXPECT_FALSE(SetBytes(label, kPicture, Bytes(SolidPng(2, 2, 0, 255, 0))));
    SetNumber(label, kPictureMode, 1);
    Capture replaced = CaptureClient(label);
    EXPECT_EQ(replaced.CountOther(0, 0, 20, 10, 0x00FF00), 0) << "first pixel " << RgbText(replaced.At(0, 0));
}

TEST_F(LabelKindTest, GradientBorderShadesInwardAndShrinksTheInside) {
    LabelProperties p = Plain("", kWhite);
    p.border = 6;
    p.gradientBorderWidth = 8;
    p.gradientBorderColor1 = kRed;
    p.gradientBorderColor2 = kGreen;
    p.gradientBorderColor3 = kBlue;
    Capture capture = CaptureClient(NewLabel(p, 60, 40));
    EXPECT_EQ(RgbText(capture.At(0, 0)), RgbText(RgbOf(kRed))) << "outer edge";
    EXPECT_EQ(RgbText(capture.At(30, 39)), RgbText(RgbOf(kRed))) << "outer edge, bottom";
    EXPECT_EQ(RgbText(capture.At(7, 20)), RgbText(RgbOf(kBlue))) << "inner edge";
    EXPECT_EQ(RgbText(capture.At(52, 20)), RgbText(RgbOf(kBlue))) << "inner edge, right";
    EXPECT_EQ(capture.CountOther(8, 8, 52, 32, RgbOf(kWhite)), 0) << "the inside keeps its background";
    EXPECT_EQ(CountColour(capture, kUnpainted), 0);

    // With fewer than two colours there is no border: the background reaches the edge.
    p.gradientBorderColor2 = kLeaveOut;
    p.gradientBorderColor3 = kLeaveOut;
    Capture none = CaptureClient(NewLabel(p, 60, 40));
    EXPECT_EQ(none.CountOther(0, 0, 60, 40, RgbOf(kWhite)), 0) << "corner " << RgbText(none.At(0, 0));

    // The text rectangle shrinks with the border: right-aligned text stays
    // inside it (a white border on white, so only the text shows).
    LabelProperties text = Plain("Hello", kWhite);
    text.border = 6;
    text.gradientBorderWidth = 10;
    text.gradientBorderColor1 = kWhite;
    text.gradientBorderColor2 = kWhite;
    text.gradientBorderColor3 = kLeaveOut;
    text.hAlign = 2;
    RECT ink = InkBox(CaptureClient(NewLabel(text, 120, 40)), RgbOf(kWhite));
    EXPECT_GT(ink.right, 100) << "text at " << BoxText(ink);
    EXPECT_LE(ink.right, 110) << "text at " << BoxText(ink);
}

TEST_F(LabelKindTest, GradientBackgroundStyles) {
    struct {
        uint32_t style;
        uint32_t first;  // colour at the sample point `from`
        POINT from;
        uint32_t second; // colour at `to`
        POINT to;
    } cases[] = {
        {1, kRed, {0, 20}, kBlue, {99, 20}},
        {2, kRed, {50, 0}, kBlue, {50, 39}},
        {3, kBlue, {0, 20}, kRed, {99, 20}},
        {4, kBlue, {50, 0}, kRed, {50, 39}},
        {5, kRed, {0, 20}, kRed, {99, 20}},
        {6, kRed, {50, 0}, kRed, {50, 39}},
        {7, kRed, {0, 0}, kBlue, {99, 39}},
        {8, kRed, {0, 39}, kBlue, {99, 0}},
    };
    // Sampled at the first and last pixel rows or columns, which lie within
    // one step (255/40 per pixel at most here, twice that when mirrored) of
    // the end colours.
    for (const auto& c : cases) {
        LabelProperties p = Plain("", kWhite);
        p.gradientBackMode = c.style;
        p.gradientBackColor1 = kRed;
        p.gradientBackColor2 = kLeaveOut;
        p.gradientBackColor3 = kBlue;
        Capture capture = CaptureClient(NewLabel(p, 100, 40));
        EXPECT_LE(ChannelDistance(capture.At(c.from.x, c.from.y), RgbOf(c.first)), 24)
            << "style " << c.style << " at " << c.from.x << "," << c.from.y << ": "
            << RgbText(capture.At(c.from.x, c.from.y));
        EXPECT_LE(ChannelDistance(capture.At(c.to.x, c.to.y), RgbOf(c.second)), 24)
            << "style " << c.style << " at " << c.to.x << "," << c.to.y << ": " << RgbText(capture.At(c.to.x, c.to.y));
        EXPECT_EQ(CountColour(capture, RgbOf(kWhite)), 0) << "style " << c.style << ": background showed";
        EXPECT_EQ(CountColour(capture, kUnpainted), 0) << "style " << c.style;
    }
    // Style 0, or a single colour, keeps the solid background.
    LabelProperties single = Plain("", kWhite);
    single.gradientBackMode = 1;
    single.gradientBackColor1 = kLeaveOut;
    single.gradientBackColor2 = kLeaveOut;
    Capture solid = CaptureClient(NewLabel(single, 100, 40));
    EXPECT_EQ(solid.CountOther(0, 0, 100, 40, RgbOf(kWhite)), 0);
}
