// The labels and the formula picture as the running program shows them: the
// label texts and their ink, the formula squeezed into its box, and the whole
// window against a reference screenshot kept beside this file.
//
// tests/e2e/reference/update.sh makes the reference again from the built
// program (one per look: visual styles on and off).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

// Child ids of the labels and the picture box (by creation order).
constexpr int kPictureBoxId = 190;

// Largest channel difference of a pixel still taken as equal to the
// reference (smoothed text edges and stretched-picture rounding), and the
// share of pixels allowed beyond it (a caret that blinks, for one).
constexpr int kPixelTolerance = 48;
constexpr double kMismatchShare = 0.01;

// COLORREF channels.
static int Red(COLORREF c) { return GetRValue(c); }
static int Green(COLORREF c) { return GetGValue(c); }
static int Blue(COLORREF c) { return GetBValue(c); }
static int Brightest(COLORREF c) { return std::max({Red(c), Green(c), Blue(c)}); }
static int Darkest(COLORREF c) { return std::min({Red(c), Green(c), Blue(c)}); }

static std::string ColourText(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof(text), "#%02X%02X%02X", Red(c), Green(c), Blue(c));
    return text;
}

static int ChannelDistance(COLORREF a, COLORREF b) {
    return std::max({std::abs(Red(a) - Red(b)), std::abs(Green(a) - Green(b)), std::abs(Blue(a) - Blue(b))});
}

static RECT ClientOnScreen(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// ---- 24-bit BMP files: the reference, the capture and the difference ----

// An image as rows of COLORREF pixels, top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

static Image FromScreenshot(const Screenshot& shot) {
    Image image{shot.Width(), shot.Height(), {}};
    for (int y = 0; y < image.height; y++) {
        for (int x = 0; x < image.width; x++) {
            image.pixels.push_back(shot.Pixel(x, y));
        }
    }
    return image;
}

static int RowBytes(int width) { return (width * 3 + 3) & ~3; }

static bool WriteBmp(const std::string& path, const Image& image) {
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    const DWORD imageBytes = static_cast<DWORD>(RowBytes(image.width) * image.height);
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + imageBytes;
    header.biSize = sizeof(header);
    header.biWidth = image.width;
    header.biHeight = image.height; // bottom-up, as every viewer expects
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::vector<uint8_t> rows(imageBytes, 0);
    for (int y = 0; y < image.height; y++) {
        uint8_t* row = &rows[static_cast<size_t>(image.height - 1 - y) * RowBytes(image.width)];
        for (int x = 0; x < image.width; x++) {
            COLORREF c = image.At(x, y);
            row[x * 3] = static_cast<uint8_t>(Blue(c));
            row[x * 3 + 1] = static_cast<uint8_t>(Green(c));
            row[x * 3 + 2] = static_cast<uint8_t>(Red(c));
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        return false;
    }
    bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                   std::fwrite(rows.data(), rows.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

// Reads a 24-bit uncompressed BMP as WriteBmp makes it; false for anything
// else, with the reason in `error`.
static bool ReadBmp(const std::string& path, Image& image, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        error = "cannot read " + path;
        return false;
    }
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    if (bytes.size() < sizeof(file) + sizeof(header)) {
        error = "too short for a BMP";
        return false;
    }
    std::memcpy(&file, bytes.data(), sizeof(file));
    std::memcpy(&header, bytes.data() + sizeof(file), sizeof(header));
    if (file.bfType != 0x4D42 || header.biBitCount != 24 || header.biCompression != BI_RGB || header.biWidth <= 0 ||
        header.biHeight <= 0 || header.biWidth > 4096 || header.biHeight > 4096) {
        error = "not a bottom-up 24-bit BMP of a sensible size";
        return false;
    }
    image.width = header.biWidth;
    image.height = header.biHeight;
    size_t needed = size_t{file.bfOffBits} + static_cast<size_t>(RowBytes(image.width)) * image.height;
    if (file.bfOffBits < sizeof(file) + sizeof(header) || bytes.size() < needed) {
        error = "pixel data missing";
        return false;
    }
    image.pixels.clear();
    for (int y = 0; y < image.height; y++) {
        const uint8_t* row =
            &bytes[file.bfOffBits + static_cast<size_t>(image.height - 1 - y) * RowBytes(image.width)];
        for (int x = 0; x < image.width; x++) {
            image.pixels.push_back(RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
        }
    }
    return true;
}

// ---- the running program ----

class PictureTest : public testing::Test {
protected:
    void SetUp() override {
        std::string exe = ProgramPath();
        ASSERT_FALSE(exe.empty()) << "PPICALC_EXE is not set";
        std::string error;
        program = StartProgram(exe, error);
        ASSERT_TRUE(program.Started()) << error;
        window = WaitForProgramWindow(program.Id());
        ASSERT_NE(window, nullptr) << "no window within " << kStartTimeoutMs << " ms:\n"
                                   << DescribeWindows(program.Id());
    }

    // Captures `area` until `painted` holds for the capture, at most 5 s (the
    // first paint may still be on its way); the last capture either way.
    static Screenshot CaptureWhen(const RECT& area, const std::function<bool(const Screenshot&)>& painted) {
        Screenshot shot;
        WaitFor(
            [&] {
                shot = Screenshot::Capture(area);
                return !shot.Empty() && painted(shot);
            },
            5000);
        return shot;
    }

    ProgramProcess program;
    HWND window = nullptr;
};

TEST_F(PictureTest, LabelsShowTheirTextsLeftAlignedAndCentred) {
    struct {
        int id;
        const char* text; // GBK
    } labels[] = {
        {100, "\xBA\xE1\xCF\xF2" "pixel"},                              // 横向pixel
        {110, "\xD7\xDD\xCF\xF2" "pixel"},                              // 纵向pixel
        {140, "\xC6\xC1\xC4\xBB\xB3\xDF\xB4\xE7" "inch"},               // 屏幕尺寸inch
        {200, "\xB1\xC8\xC8\xE7\xA3\xBA" "1920"},                       // 比如：1920
        {210, "\xB1\xC8\xC8\xE7\xA3\xBA" "1080"},                       // 比如：1080
        {220, "\xB1\xC8\xC8\xE7\xA3\xBA" "15.6\xD3\xA2\xB4\xE7"},       // 比如：15.6英寸
    };
    for (const auto& label : labels) {
        HWND control = FindChildById(window, label.id);
        ASSERT_NE(control, nullptr) << "no child " << label.id;
        EXPECT_EQ(WindowClass(control), "CalcLabel") << label.id;
        EXPECT_TRUE(IsWindowVisible(control)) << label.id;
        std::string text = ReadWindowTextBytes(control);
        EXPECT_EQ(text, label.text) << label.id << ": got " << HexBytes(text) << ", expected "
                                    << HexBytes(label.text);

        // Dark ink on the button face: on one line, from the left edge,
        // centred in the 24-pixel height.
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        int ink = 0;
        RECT inkBox = {};
        auto measure = [&](const Screenshot& shot) {
            ink = 0;
            inkBox = {shot.Width(), shot.Height(), -1, -1};
            for (int y = 0; y < shot.Height(); y++) {
                for (int x = 0; x < shot.Width(); x++) {
                    if (Brightest(shot.Pixel(x, y)) < 100) {
                        ink++;
                        inkBox = {std::min<LONG>(inkBox.left, x), std::min<LONG>(inkBox.top, y),
                                  std::max<LONG>(inkBox.right, x), std::max<LONG>(inkBox.bottom, y)};
                    }
                }
            }
            return ink > 30;
        };
        Screenshot shot = CaptureWhen(ClientOnScreen(control), measure);
        ASSERT_EQ(shot.Height(), 24) << label.id;
        int foreign = 0;
        for (int y = 0; y < shot.Height(); y++) {
            for (int x = 0; x < shot.Width(); x++) {
                COLORREF c = shot.Pixel(x, y);
                // Smoothed text edges lie between the ink and the face.
                foreign += Darkest(c) >= 100 && ChannelDistance(c, face) > kPixelTolerance;
            }
        }
        EXPECT_EQ(foreign, 0) << label.id << ": pixels that are neither text nor the button face "
                              << ColourText(face);
        EXPECT_GT(ink, 30) << label.id << ": too little text drawn";
        EXPECT_LE(inkBox.left, 3) << label.id << ": text does not start at the left";
        EXPECT_LE(std::abs((inkBox.top + inkBox.bottom) - 23), 5)
            << label.id << ": text rows " << inkBox.top << ".." << inkBox.bottom << " not centred in 24";
    }
}

TEST_F(PictureTest, PictureBoxShowsTheFormulaSqueezedIntoIt) {
    HWND box = FindChildById(window, kPictureBoxId);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowClass(box), "CalcPicBox");
    RECT client = {};
    GetClientRect(box, &client);
    ASSERT_EQ(client.right, 200);
    ASSERT_EQ(client.bottom, 80);
    // Painted once the corners are dark and the text of the formula is there.
    Screenshot shot = CaptureWhen(ClientOnScreen(box), [](const Screenshot& s) {
        int white = 0;
        for (int y = 34; y < 53; y++) {
            for (int x = 5; x < 54; x++) {
                white += Darkest(s.Pixel(x, y)) > 200;
            }
        }
        return Brightest(s.Pixel(0, 0)) <= 40 && Brightest(s.Pixel(199, 79)) <= 40 && white > 60;
    });
    ASSERT_EQ(shot.Width(), 200);

    // The 454x164 picture is stretched to 200x80: every corner is the
    // picture's black background, none the box's colour.
    for (POINT corner : {POINT{0, 0}, POINT{199, 0}, POINT{0, 79}, POINT{199, 79}}) {
        EXPECT_LE(Brightest(shot.Pixel(corner.x, corner.y)), 40)
            << "corner " << corner.x << "," << corner.y << " is " << ColourText(shot.Pixel(corner.x, corner.y));
    }
    // Left of the radical and above "PPI" the picture is black (picture
    // x 0..150, y 0..60 lands on box x 0..66, y 0..29).
    int lit = 0;
    for (int y = 1; y < 28; y++) {
        for (int x = 1; x < 64; x++) {
            lit += Brightest(shot.Pixel(x, y)) > 40;
        }
    }
    EXPECT_EQ(lit, 0) << "light pixels in the black area above PPI";
    // "PPI=" in white (picture x 11..121, y 69..107: box x 5..53, y 34..52).
    int white = 0;
    for (int y = 34; y < 53; y++) {
        for (int x = 5; x < 54; x++) {
            white += Darkest(shot.Pixel(x, y)) > 200;
        }
    }
    EXPECT_GT(white, 60) << "white strokes of PPI=";
    // The fraction bar (picture x 139..448, y 85..88: box x 61..197, y 41..43)
    // is light in every column it crosses.
    int barColumns = 0;
    for (int x = 66; x < 193; x++) {
        int brightest = 0;
        for (int y = 40; y < 45; y++) {
            brightest = std::max(brightest, Darkest(shot.Pixel(x, y)));
        }
        barColumns += brightest > 120;
    }
    EXPECT_EQ(barColumns, 193 - 66) << "columns of the fraction bar that are lit";
    // Squeezed sideways: the bar ends near the box's right edge, not beyond.
    EXPECT_LE(Brightest(shot.Pixel(199, 42)), 60) << "the bar reaches the right edge";
}

static std::string SourceFolder() {
    std::string file = __FILE__;
    size_t slash = file.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

// Visual styles on or off in this prefix (the rig's setting); the two looks
// have references of their own.
static bool ThemeActive() {
    char value[8] = {};
    DWORD size = sizeof(value);
    LSTATUS status = RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                                  "ThemeActive", RRF_RT_REG_SZ, nullptr, value, &size);
    return status != ERROR_SUCCESS || value[0] != '0';
}

static std::string OutputPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof(folder), folder);
    return std::string(folder) + "\\" + name;
}

// The capture in grey, with every pixel that differs from the reference in red.
static Image DifferenceImage(const Image& actual, const Image& reference) {
    Image diff = actual;
    for (size_t i = 0; i < diff.pixels.size(); i++) {
        COLORREF a = actual.pixels[i];
        int grey = 160 + (Red(a) + Green(a) + Blue(a)) / 3 * 95 / 255;
        bool differs = ChannelDistance(a, reference.pixels[i]) > kPixelTolerance;
        diff.pixels[i] = differs ? RGB(255, 0, 0) : RGB(grey, grey, grey);
    }
    return diff;
}

TEST_F(PictureTest, WholeWindowMatchesTheReference) {
    const std::string name = ThemeActive() ? "main_window_themed.bmp" : "main_window_classic.bmp";
    const std::string referencePath = ToWindowsPath(SourceFolder() + "/reference/" + name);
    // Active, as the reference was taken: the caption's colours follow it.
    ASSERT_TRUE(BringToForeground(window));
    RECT area = {};
    GetWindowRect(window, &area);
    const char* update = std::getenv("PPICALC_WRITE_REFERENCE");
    if (update && *update) {
        // Settled: alike in two captures 200 ms apart.
        Image previous;
        Image actual;
        CaptureWhen(area, [&](const Screenshot& shot) {
            actual = FromScreenshot(shot);
            bool same = actual.pixels == previous.pixels;
            previous = actual;
            if (!same) {
                Sleep(200);
            }
            return same;
        });
        ASSERT_TRUE(WriteBmp(referencePath, actual)) << "cannot write " << referencePath;
        GTEST_SKIP() << "wrote the reference " << referencePath;
    }

    Image reference;
    std::string error;
    ASSERT_TRUE(ReadBmp(referencePath, reference, error)) << error;
    size_t allowed = 0;
    size_t differing = 0;
    int worst = 0;
    POINT worstAt = {};
    auto compare = [&](const Image& actual) {
        if (reference.width != actual.width || reference.height != actual.height) {
            return false;
        }
        allowed = static_cast<size_t>(kMismatchShare * static_cast<double>(actual.pixels.size()));
        differing = 0;
        worst = 0;
        for (int y = 0; y < actual.height; y++) {
            for (int x = 0; x < actual.width; x++) {
                int distance = ChannelDistance(actual.At(x, y), reference.At(x, y));
                differing += distance > kPixelTolerance;
                if (distance > worst) {
                    worst = distance;
                    worstAt = {x, y};
                }
            }
        }
        return differing <= allowed;
    };
    // Compared until it matches or 5 s have passed: the first paint may
    // still be on its way.
    Image actual;
    CaptureWhen(area, [&](const Screenshot& shot) {
        actual = FromScreenshot(shot);
        return compare(actual);
    });
    ASSERT_GT(actual.width, 0);
    const std::string actualPath = OutputPath("picture_test_" + name.substr(0, name.size() - 4) + "_actual.bmp");
    if (reference.width != actual.width || reference.height != actual.height) {
        WriteBmp(actualPath, actual);
        FAIL() << "window is " << actual.width << "x" << actual.height << ", the reference " << reference.width
               << "x" << reference.height << "; capture written to " << actualPath;
    }
    if (differing > allowed) {
        const std::string diffPath = OutputPath("picture_test_" + name.substr(0, name.size() - 4) + "_diff.bmp");
        WriteBmp(actualPath, actual);
        WriteBmp(diffPath, DifferenceImage(actual, reference));
        ADD_FAILURE() << differing << " of " << actual.pixels.size() << " pixels differ by more than "
                      << kPixelTolerance << " (allowed " << allowed << "); worst " << worst << " at " << worstAt.x
                      << "," << worstAt.y << ": " << ColourText(actual.At(worstAt.x, worstAt.y)) << " against "
                      << ColourText(reference.At(worstAt.x, worstAt.y)) << "\n  reference " << referencePath
                      << "\n  capture   " << actualPath << "\n  diff (red) " << diffPath;
    }
}
