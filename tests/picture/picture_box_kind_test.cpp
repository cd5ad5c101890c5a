// The picture-box kind in-process: the records it refuses, the window it
// makes, its border styles and setters, the display modes (the mode-3 resize
// included) and what it paints through WM_PRINTCLIENT, the paint code of
// WM_PAINT.
#include <gtest/gtest.h>
#include <png.h>

#include <string>
#include <vector>

#include "tests/picture/kind_canvas.h"
#include "tests/picture/png_fixture.h"
#include "ui/description/picture_box_properties.h"
#include "ui/kinds/picture_box.h"
#include "ui/window/control_kind.h"

// Kind-specific property numbers (PropertyIndex - 8).
constexpr int32_t kBorder = 0;
constexpr int32_t kBackColor = 1;
constexpr int32_t kPicture = 2;
constexpr int32_t kDisplayMode = 3;
constexpr int32_t kPlayAnimation = 4;
constexpr int32_t kDataSource = 5;
constexpr int32_t kDataColumn = 6;

constexpr uint32_t kRed = 0x0000FF; // COLORREF
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGreenRgb = 0x00FF00;

static std::vector<uint8_t> Record(const PictureBoxProperties& p) { return WritePictureBoxProperties(p); }

static PictureBoxProperties Box(uint32_t displayMode, const std::vector<uint8_t>& picture, uint32_t backColor = kRed) {
    PictureBoxProperties p;
    p.displayMode = displayMode;
    p.picture = picture;
    p.backColor = backColor;
    return p;
}

static KindValue GetValue(HWND box, int32_t index) {
    KindValue value;
    EXPECT_TRUE(kPictureBoxKind.getKindProperty(box, index, value)) << "index " << index;
    return value;
}

static bool SetNumber(HWND box, int32_t index, int32_t number) {
    KindValue value;
    value.number = number;
    return kPictureBoxKind.setKindProperty(box, index, value);
}

static bool SetBytes(HWND box, int32_t index, const std::vector<uint8_t>& bytes) {
    KindValue value;
    value.bytes.assign(bytes.begin(), bytes.end());
    return kPictureBoxKind.setKindProperty(box, index, value);
}

static RECT PlaceInParent(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class PictureBoxKindTest : public testing::Test {
protected:
    HWND NewBox(const PictureBoxProperties& p, int width = 200, int height = 80) {
        HWND box = canvas.Create(kPictureBoxKind, Record(p), width, height);
        EXPECT_NE(box, nullptr);
        return box;
    }

    KindCanvas canvas;
};

TEST_F(PictureBoxKindTest, RefusesRecordsItCannotRead) {
    PictureBoxProperties newer;
    newer.version = 3;
    std::vector<uint8_t> cut = Record(PictureBoxProperties());
    cut.pop_back();
    EXPECT_EQ(canvas.Create(kPictureBoxKind, Record(newer), 200, 80), nullptr) << "version 3";
    EXPECT_EQ(canvas.Create(kPictureBoxKind, cut, 200, 80), nullptr) << "last byte missing";
    EXPECT_EQ(canvas.ChildCount(), 0) << "a refused record left a window behind";
}

TEST_F(PictureBoxKindTest, MakesAHiddenChildOfItsOwnClassWithoutText) {
    HWND box = canvas.Create(kPictureBoxKind, {}, 200, 80);
    ASSERT_NE(box, nullptr);
    char className[64] = {};
    GetClassNameA(box, className, sizeof(className));
    EXPECT_STREQ(className, "CalcPicBox");
    EXPECT_EQ(GetWindowTextLengthA(box), 0);
    DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE), DWORD{WS_CHILD | WS_CLIPSIBLINGS}) << std::hex << style;
    EXPECT_EQ(GetClassLongA(box, GCL_STYLE), DWORD{CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS});
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(box, GCLP_HBRBACKGROUND)), GetStockObject(NULL_BRUSH));
    // An empty record: mode 0, no picture, the button face.
    EXPECT_EQ(kPictureBoxKind.saveKindProperties(box), Record(PictureBoxProperties()));
    Capture capture = CaptureClient(box);
    uint32_t buttonFace = RgbOf(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(capture.CountOther(0, 0, 200, 80, buttonFace), 0)
        << "first pixel " << RgbText(capture.At(0, 0)) << ", button face " << RgbText(buttonFace);
}

TEST_F(PictureBoxKindTest, BorderStylesAtCreationAndWhenWritten) {
    struct {
        int32_t written;
        DWORD exStyle;
        bool line;
    } cases[] = {
        {0, 0, false},
        {1, WS_EX_CLIENTEDGE, false},
        {2, WS_EX_DLGMODALFRAME, false},
        {3, WS_EX_STATICEDGE, false},
        {4, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, false},
        {5, 0, true},
        {6, 0, true}, // clamped to 5
        {-1, 0, false},
    };
    HWND written = NewBox(Box(0, {}));
    for (const auto& c : cases) {
        EXPECT_FALSE(SetNumber(written, kBorder, c.written));
        HWND created = c.written >= 0 && c.written <= 5 ? NewBox([&] {
            PictureBoxProperties p;
            p.border = static_cast<uint32_t>(c.written);
            return p;
        }())
                                                        : written;
        for (HWND box : {written, created}) {
            DWORD exStyle = static_cast<DWORD>(GetWindowLongA(box, GWL_EXSTYLE));
            DWORD style = static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE));
            EXPECT_EQ(exStyle & 0x20201, c.exStyle) << "border " << c.written << ": ex style " << std::hex << exStyle;
            EXPECT_EQ((style & WS_BORDER) != 0, c.line) << "border " << c.written << ": style " << std::hex << style;
        }
    }
}

TEST_F(PictureBoxKindTest, WrittenValuesAreClampedKeptAndSaved) {
    HWND box = NewBox(Box(0, {}));
    struct {
        int32_t index;
        int32_t written;
        int32_t read;
    } numbers[] = {
        {kBorder, 7, 5},
        {kBackColor, 0x00123456, 0x00123456},
        {kDisplayMode, 3, 2}, // 3 comes only from a record
        {kDisplayMode, -2, 0},
        {kDisplayMode, 1, 1},
        {kPlayAnimation, 4, 1},
        {kPlayAnimation, 0, 0},
    };
    for (const auto& n : numbers) {
        EXPECT_FALSE(SetNumber(box, n.index, n.written)) << "index " << n.index;
        EXPECT_EQ(GetValue(box, n.index).number, n.read) << "index " << n.index << " written " << n.written;
    }
    KindValue text;
    text.bytes = "source";
    EXPECT_FALSE(kPictureBoxKind.setKindProperty(box, kDataSource, text));
    text.bytes = "column";
    EXPECT_FALSE(kPictureBoxKind.setKindProperty(box, kDataColumn, text));
    KindValue unknown;
    EXPECT_FALSE(kPictureBoxKind.getKindProperty(box, 7, unknown));
    EXPECT_FALSE(kPictureBoxKind.getKindProperty(box, -1, unknown));

    PictureBoxProperties saved;
    std::vector<uint8_t> bytes = kPictureBoxKind.saveKindProperties(box);
    ASSERT_TRUE(ReadPictureBoxProperties(bytes.data(), bytes.size(), saved));
    PictureBoxProperties expected;
    expected.border = 5;
    expected.backColor = 0x00123456;
    expected.displayMode = 1;
    expected.playAnimation = 0;
    expected.dataSource = "source";
    expected.dataColumn = "column";
    EXPECT_EQ(saved, expected);
}

// Where each display mode puts a uniformly green picture in a red 200x80
// box: the green rectangle, everything else red.
TEST_F(PictureBoxKindTest, DisplayModesPlaceThePicture) {
    std::vector<uint8_t> formulaSized = SolidPng(454, 164, 0, 255, 0);
    std::vector<uint8_t> small = SolidPng(20, 10, 0, 255, 0);
    struct {
        const char* what;
        uint32_t mode;
        const std::vector<uint8_t>& picture;
        RECT green;
    } cases[] = {
        {"454x164 stretched to the box", 1, formulaSized, {0, 0, 200, 80}},
        {"454x164 fitted: 200x72 at (0,4)", 2, formulaSized, {0, 4, 200, 76}},
        {"454x164 at natural size, cut at the edges", 0, formulaSized, {0, 0, 200, 80}},
        {"20x10 at natural size in the corner", 0, small, {0, 0, 20, 10}},
        {"20x10 centred, not enlarged", 2, small, {90, 35, 110, 45}},
        {"20x10 stretched to the box", 1, small, {0, 0, 200, 80}},
    };
    for (const auto& c : cases) {
        Capture capture = CaptureClient(NewBox(Box(c.mode, c.picture)));
        const RECT& g = c.green;
        EXPECT_EQ(capture.CountOther(g.left, g.top, g.right, g.bottom, kGreenRgb), 0)
            << c.what << ": top-left of the picture " << RgbText(capture.At(g.left, g.top));
        int red = 0;
        for (int y = 0; y < 80; y++) {
            for (int x = 0; x < 200; x++) {
                POINT point = {x, y};
                red += !PtInRect(&g, point) && capture.At(x, y) == RgbOf(kRed);
            }
        }
        EXPECT_EQ(red, 200 * 80 - (g.right - g.left) * (g.bottom - g.top)) << c.what << ": background pixels";
    }
}

TEST_F(PictureBoxKindTest, TranslucentPixelsShowTheBoxColour) {
    std::vector<uint8_t> file = EncodePng(3, 1, PNG_FORMAT_RGBA, {0, 0, 0, 0, 0, 0, 0, 128, 0, 0, 0, 255});
    Capture capture = CaptureClient(NewBox(Box(0, file, kWhite), 3, 1));
    EXPECT_EQ(RgbText(capture.At(0, 0)), "#FFFFFF") << "alpha 0";
    EXPECT_EQ(RgbText(capture.At(1, 0)), "#7E7E7E") << "alpha 128: 255 * (1 - 128/255) truncated is 126";
    EXPECT_EQ(RgbText(capture.At(2, 0)), "#000000") << "alpha 255";
}

TEST_F(PictureBoxKindTest, ModeThreeGivesTheBoxThePicturesSize) {
    std::vector<uint8_t> picture = SolidPng(30, 20, 0, 255, 0);
    struct {
        const char* what;
        uint32_t border;
    } cases[] = {{"no border", 0}, {"client edge", 1}, {"line", 5}};
    for (const auto& c : cases) {
        PictureBoxProperties p = Box(3, picture);
        p.border = c.border;
        HWND box = NewBox(p);
        RECT client = {};
        GetClientRect(box, &client);
        ASSERT_EQ(client.right, 30) << c.what;
        ASSERT_EQ(client.bottom, 20) << c.what;
        RECT place = PlaceInParent(box);
        EXPECT_EQ(place.left, 10) << c.what << ": the box moved";
        EXPECT_EQ(place.top, 10) << c.what << ": the box moved";
        Capture capture = CaptureClient(box);
        EXPECT_EQ(capture.CountOther(0, 0, 30, 20, kGreenRgb), 0) << c.what << ": " << RgbText(capture.At(0, 0));
    }
    // Without a picture the box keeps its size.
    HWND empty = NewBox(Box(3, {}));
    RECT client = {};
    GetClientRect(empty, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 80);
}

TEST_F(PictureBoxKindTest, WritingPictureAndColourTakesEffectAtOnce) {
    HWND box = NewBox(Box(1, {}), 40, 20);
    EXPECT_FALSE(SetBytes(box, kPicture, SolidPng(4, 4, 0, 255, 0)));
    Capture loaded = CaptureClient(box);
    EXPECT_EQ(loaded.CountOther(0, 0, 40, 20, kGreenRgb), 0) << "first pixel " << RgbText(loaded.At(0, 0));

    std::vector<uint8_t> broken = SolidPng(4, 4, 0, 255, 0);
    broken.resize(broken.size() - 20);
    EXPECT_FALSE(SetBytes(box, kPicture, broken));
    EXPECT_EQ(GetValue(box, kPicture).bytes.size(), broken.size()) << "the bytes are kept as written";
    Capture none = CaptureClient(box);
    EXPECT_EQ(none.CountOther(0, 0, 40, 20, RgbOf(kRed)), 0) << "an undecodable picture shows only the colour";

    EXPECT_FALSE(SetNumber(box, kBackColor, static_cast<int32_t>(kWhite)));
    Capture white = CaptureClient(box);
    EXPECT_EQ(white.CountOther(0, 0, 40, 20, RgbOf(kWhite)), 0) << "first pixel " << RgbText(white.At(0, 0));
}
