#include "ui/rules/image_format.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ImageFormat, Signatures) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        ImageFormat expected;
    };
    const Case cases[] = {
        {"BMP", {'B', 'M', 0, 0, 0, 0, 0, 0}, ImageFormat::Bmp},
        {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F'}, ImageFormat::Jpeg},
        {"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, ImageFormat::Png},
        {"PNG needs only its first four bytes", {0x89, 'P', 'N', 'G', 0, 0, 0, 0}, ImageFormat::Png},
        {"icon", {0, 0, 1, 0, 3, 0, 16, 16}, ImageFormat::Icon},
        {"cursor", {0, 0, 2, 0, 1, 0, 32, 32}, ImageFormat::Cursor},
        {"icon directory without images", {0, 0, 1, 0, 0, 0, 16, 16}, ImageFormat::None},
        {"icon directory of another type", {0, 0, 3, 0, 1, 0, 16, 16}, ImageFormat::None},
        {"GIF87a", {'G', 'I', 'F', '8', '7', 'a', 1, 0}, ImageFormat::Gif},
        {"GIF89a", {'G', 'I', 'F', '8', '9', 'a', 1, 0}, ImageFormat::Gif},
        {"GIF88a is no GIF", {'G', 'I', 'F', '8', '8', 'a', 1, 0}, ImageFormat::None},
        {"PCX 256 colours, version 5", {0x0A, 5, 1, 8, 0, 0, 0, 0}, ImageFormat::Pcx256},
        {"PCX 256 colours, version 0", {0x0A, 0, 1, 8, 0, 0, 0, 0}, ImageFormat::Pcx256},
        {"PCX version 6 is unknown", {0x0A, 6, 1, 8, 0, 0, 0, 0}, ImageFormat::None},
        {"PCX two colours", {0x0A, 3, 1, 1, 0, 0, 0, 0}, ImageFormat::Pcx2},
        {"PCX two colours needs version 3", {0x0A, 2, 1, 1, 0, 0, 0, 0}, ImageFormat::None},
        {"unknown", {'R', 'I', 'F', 'F', 0, 0, 0, 0}, ImageFormat::None},
        {"seven bytes of a PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A}, ImageFormat::None},
        {"nothing", {}, ImageFormat::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<int>(RecogniseImageFormat(c.bytes.data(), c.bytes.size())),
                  static_cast<int>(c.expected))
            << c.what;
    }
    EXPECT_EQ(RecogniseImageFormat(nullptr, 8), ImageFormat::None);
}
