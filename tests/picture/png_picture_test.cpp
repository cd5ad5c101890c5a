// Decoding picture bytes: pixel layout of the result, and refusal of every
// damaged or unsupported input without touching the output.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/picture/largest_allocation.h"
#include "tests/picture/png_fixture.h"
#include "ui/kinds/png_picture.h"

static std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string text;
    char digits[4];
    for (uint8_t byte : bytes) {
        std::snprintf(digits, sizeof(digits), "%02X ", byte);
        text += digits;
    }
    return text;
}

// A decoded picture holding a marker, to show that a failed decode leaves
// the caller's picture alone.
static DecodedPicture Sentinel() {
    DecodedPicture picture;
    picture.width = 7;
    picture.height = 9;
    picture.bgra = {1, 2, 3, 4};
    return picture;
}

static void ExpectSentinel(const DecodedPicture& picture, const std::string& what) {
    EXPECT_EQ(picture.width, 7u) << what;
    EXPECT_EQ(picture.height, 9u) << what;
    EXPECT_EQ(picture.bgra, (std::vector<uint8_t>{1, 2, 3, 4})) << what;
}

struct LayoutCase {
    const char* what;
    uint32_t width;
    uint32_t height;
    uint32_t format;
    std::vector<uint8_t> source;
    std::vector<uint8_t> expectedBgra;
};

TEST(PngPicture, DecodesToStraightBgraRowsTopDown) {
    const LayoutCase cases[] = {
        // Channel order swapped to blue-green-red; the second row follows the
        // first, each exactly width * 4 bytes.
        {"rgba 3x2", 3, 2, PNG_FORMAT_RGBA,
         {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 255},
         {0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255, 30, 20, 10, 255, 60, 50, 40, 255, 90, 80, 70, 255}},
        // Translucent pixels keep their colour: alpha is not premultiplied.
        {"straight alpha", 2, 1, PNG_FORMAT_RGBA, {200, 100, 50, 128, 9, 8, 7, 0}, {50, 100, 200, 128, 7, 8, 9, 0}},
        // A grey file without alpha (as the formula) becomes opaque grey.
        {"grey", 2, 2, PNG_FORMAT_GRAY, {0, 255, 128, 7}, {0, 0, 0, 255, 255, 255, 255, 255, 128, 128, 128, 255,
                                                           7, 7, 7, 255}},
        {"rgb without alpha", 1, 2, PNG_FORMAT_RGB, {1, 2, 3, 250, 251, 252}, {3, 2, 1, 255, 252, 251, 250, 255}},
    };
    for (const LayoutCase& c : cases) {
        std::vector<uint8_t> file = EncodePng(c.width, c.height, c.format, c.source);
        DecodedPicture picture;
        ASSERT_TRUE(DecodePngPicture(file.data(), file.size(), picture)) << c.what;
        EXPECT_EQ(picture.width, c.width) << c.what;
        EXPECT_EQ(picture.height, c.height) << c.what;
        EXPECT_EQ(Hex(picture.bgra), Hex(c.expectedBgra)) << c.what;
        // Through the format-recognising entry the result is the same.
        DecodedPicture loaded;
        ASSERT_TRUE(LoadPicture(file.data(), file.size(), loaded)) << c.what;
        EXPECT_EQ(loaded.bgra, picture.bgra) << c.what;
    }
}

static std::vector<uint8_t> SmallPng() {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < 4 * 5 * 4; i++) {
        pixels.push_back(static_cast<uint8_t>(i * 13));
    }
    return EncodePng(4, 5, PNG_FORMAT_RGBA, pixels);
}

// Where the last IDAT chunk ends (after its CRC): from there on every pixel
// is in the bytes.
static size_t EndOfImageData(const std::vector<uint8_t>& file) {
    size_t end = 0;
    for (size_t at = 8; at + 12 <= file.size();) {
        size_t length = (size_t{file[at]} << 24) | (size_t{file[at + 1]} << 16) | (size_t{file[at + 2]} << 8) |
                        file[at + 3];
        size_t next = at + 12 + length;
        if (std::string(file.begin() + static_cast<long>(at) + 4, file.begin() + static_cast<long>(at) + 8) ==
            "IDAT") {
            end = next;
        }
        at = next;
    }
    return end;
}

// A file cut short is no picture until all its pixel data is there; cut
// after that (only the closing chunk missing) it gives the whole picture,
// never a partial one.
TEST(PngPicture, TruncationGivesNoPictureOrTheWholePicture) {
    std::vector<uint8_t> file = SmallPng();
    ASSERT_FALSE(file.empty());
    DecodedPicture whole;
    ASSERT_TRUE(DecodePngPicture(file.data(), file.size(), whole));
    size_t dataEnd = EndOfImageData(file);
    ASSERT_GT(dataEnd, 8u);
    for (size_t length = 0; length < file.size(); length++) {
        std::string what = "length " + std::to_string(length) + " of " + std::to_string(file.size());
        DecodedPicture picture = Sentinel();
        bool decoded = DecodePngPicture(file.data(), length, picture);
        if (length < dataEnd) {
            EXPECT_FALSE(decoded) << what << ", pixel data ends at " << dataEnd;
            ExpectSentinel(picture, what);
        } else if (decoded) {
            EXPECT_EQ(picture.bgra, whole.bgra) << what;
        }
    }
}

TEST(PngPicture, DamagedBytesAreNoPicture) {
    std::vector<uint8_t> file = SmallPng();
    ASSERT_GT(file.size(), 40u);
    // The last signature byte, the header's width and bit depth (its CRC no
    // longer matches), the IDAT chunk type and a byte near the end of the
    // compressed data.
    const size_t offsets[] = {7, 16, 24, 37, file.size() - 20};
    for (size_t offset : offsets) {
        std::vector<uint8_t> damaged = file;
        damaged[offset] ^= 0x5A;
        DecodedPicture picture = Sentinel();
        EXPECT_FALSE(DecodePngPicture(damaged.data(), damaged.size(), picture)) << "byte " << offset << " changed";
        ExpectSentinel(picture, "byte " + std::to_string(offset));
    }
}

// Appends a chunk with a correct CRC, so only the content can be refused.
static void AppendChunk(std::vector<uint8_t>& file, const char* type, const std::vector<uint8_t>& data) {
    auto put32 = [&](uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            file.push_back(static_cast<uint8_t>(value >> shift));
        }
    };
    put32(static_cast<uint32_t>(data.size()));
    size_t typeAt = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    uLong crc = crc32(0, file.data() + typeAt, static_cast<uInt>(4 + data.size()));
    put32(static_cast<uint32_t>(crc));
}

// A valid-looking header announcing width x height RGBA pixels, followed by a
// tiny compressed stream: the sizes alone decide.
static std::vector<uint8_t> HeaderOnlyPng(uint32_t width, uint32_t height) {
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> header;
    for (uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            header.push_back(static_cast<uint8_t>(value >> shift));
        }
    }
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, not interlaced
    AppendChunk(file, "IHDR", header);
    AppendChunk(file, "IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    AppendChunk(file, "IEND", {});
    return file;
}

// Sizes the decoder itself accepts, around the program's own pixel limit: a
// few kilobytes of well-compressed data must not become an unbounded buffer.
TEST(PngPicture, PixelLimitIsWhereItIsDocumented) {
    struct {
        const char* what;
        uint32_t width;
        uint32_t height;
        bool decoded;
    } cases[] = {
        {"exactly the limit", 4096, 4096, true},
        {"one row more", 4096, 4097, false},
        {"long rows above the limit", 1000000, 17, false},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(uint64_t{c.width} * c.height > kMaxPicturePixels, !c.decoded) << c.what;
        std::vector<uint8_t> black(size_t{c.width} * c.height);
        std::vector<uint8_t> file = EncodePng(c.width, c.height, PNG_FORMAT_GRAY, black);
        ASSERT_FALSE(file.empty()) << c.what;
        DecodedPicture picture = Sentinel();
        EXPECT_EQ(DecodePngPicture(file.data(), file.size(), picture), c.decoded)
            << c.what << ": " << c.width << "x" << c.height << " from " << file.size() << " bytes";
        if (c.decoded) {
            EXPECT_EQ(picture.bgra.size(), size_t{c.width} * c.height * 4) << c.what;
        } else {
            ExpectSentinel(picture, c.what);
        }
    }
}

// Headers no decoder should act on: the announced size alone must be refused.
TEST(PngPicture, RefusesAbsurdHeaders) {
    struct {
        const char* what;
        uint32_t width;
        uint32_t height;
    } cases[] = {
        {"a product that wraps in 32 bits", 65536, 65536},
        {"the largest sizes a header can hold", 0x7FFFFFFF, 0x7FFFFFFF},
        {"zero width", 0, 10},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> file = HeaderOnlyPng(c.width, c.height);
        DecodedPicture picture = Sentinel();
        EXPECT_FALSE(DecodePngPicture(file.data(), file.size(), picture)) << c.what;
        ExpectSentinel(picture, c.what);
    }
}

// A chunk whose stated length runs past the end of the file: the decoder
// would make a buffer of that length before finding the data missing.
TEST(PngPicture, ChunkLengthsBeyondTheFileAllocateNothingLarge) {
    if (!LargestAllocationTracked()) {
        GTEST_SKIP() << "allocations are not tracked in this build";
    }
    std::vector<uint8_t> valid = SmallPng();
    std::vector<uint8_t> header(valid.begin(), valid.begin() + 33); // signature and IHDR
    struct {
        const char* what;
        const char* type;
        uint32_t statedLength;
    } cases[] = {
        {"compressed text", "zTXt", 0x7400001C},
        {"plain text", "tEXt", 0x40000000},
        {"colour profile", "iCCP", 0x7FFFFFFF},
        {"unknown ancillary chunk", "abCd", 0x20000000},
        {"image data", "IDAT", 0x7FFFFFF0},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> file = header;
        for (int shift = 24; shift >= 0; shift -= 8) {
            file.push_back(static_cast<uint8_t>(c.statedLength >> shift));
        }
        file.insert(file.end(), c.type, c.type + 4);
        file.insert(file.end(), {0x78, 0x9C, 0x63, 0x54, 0x64, 0x60, 0x2F, 0x60, 0x60, 0xB1});
        DecodedPicture picture = Sentinel();
        ResetLargestAllocation();
        EXPECT_FALSE(DecodePngPicture(file.data(), file.size(), picture)) << c.what;
        EXPECT_LT(LargestAllocation(), size_t{1} << 20)
            << c.what << ": " << file.size() << " bytes stating a chunk of " << c.statedLength;
        ExpectSentinel(picture, c.what);
    }
}

TEST(PngPicture, OnlyPngIsDecoded) {
    std::vector<uint8_t> png = SmallPng();
    struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"nothing", {}},
        {"a PNG signature alone, 7 bytes", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A}},
        {"BMP", {'B', 'M', 0x36, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0}},
        {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F'}},
        {"GIF", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}},
        {"icon", {0, 0, 1, 0, 1, 0, 16, 16}},
        {"unknown", {'h', 'e', 'l', 'l', 'o', ' ', 'p', 'n', 'g'}},
    };
    for (const auto& c : cases) {
        DecodedPicture picture = Sentinel();
        EXPECT_FALSE(LoadPicture(c.bytes.data(), c.bytes.size(), picture)) << c.what;
        ExpectSentinel(picture, c.what);
    }
    // A PNG whose signature was replaced by a BMP one is not tried as PNG.
    std::vector<uint8_t> disguised = png;
    disguised[0] = 'B';
    disguised[1] = 'M';
    DecodedPicture picture = Sentinel();
    EXPECT_FALSE(LoadPicture(disguised.data(), disguised.size(), picture));
    ExpectSentinel(picture, "disguised");
}

#ifdef PPICALC_FORMULA_PNG
// The picture that the program's picture box shows: 454x164, every pixel
// opaque grey, black background and white strokes.
TEST(PngPicture, FormulaPictureDecodesOpaqueGrey) {
    std::ifstream in(PPICALC_FORMULA_PNG, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open " << PPICALC_FORMULA_PNG;
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    DecodedPicture picture;
    ASSERT_TRUE(LoadPicture(file.data(), file.size(), picture)) << file.size() << " bytes";
    ASSERT_EQ(picture.width, 454u);
    ASSERT_EQ(picture.height, 164u);
    ASSERT_EQ(picture.bgra.size(), size_t{454} * 164 * 4);
    size_t white = 0;
    for (size_t i = 0; i < picture.bgra.size(); i += 4) {
        const uint8_t* p = &picture.bgra[i];
        ASSERT_EQ(p[3], 255) << "pixel " << i / 4 << " is not opaque";
        ASSERT_TRUE(p[0] == p[1] && p[1] == p[2])
            << "pixel " << i / 4 << " is not grey: " << int{p[0]} << "," << int{p[1]} << "," << int{p[2]};
        white += p[0] == 255;
    }
    // The corner is background, and there are white strokes.
    EXPECT_EQ(picture.bgra[0], 0);
    EXPECT_GT(white, 1000u);
}
#endif
