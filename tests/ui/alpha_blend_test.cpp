#include "ui/rules/alpha_blend.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(AlphaBlend, DocumentedCases) {
    struct Case {
        const char* what;
        uint8_t channel, alpha, background;
        uint8_t expected;
    };
    const Case cases[] = {
        // 255 * (1 - 128 * 0.003921568859368563) = 126.99999..., truncated.
        {"alpha 128, black over white", 0, 128, 255, 126},
        {"alpha 0 shows the background exactly", 17, 0, 200, 200},
        {"alpha 0 over black", 255, 0, 0, 0},
        {"alpha 254, white over black", 255, 254, 0, 254},
        {"equal colours stay exactly", 100, 77, 100, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(int{BlendChannel(c.channel, c.alpha, c.background)}, int{c.expected}) << c.what;
    }
}

// Against the same formula in extended precision with the weight rounded to
// single precision: any loss of precision (a float sum, a weight kept in
// double) shows on some value near an integer.
TEST(AlphaBlend, AgreesWithExactArithmetic) {
    const int kLevels[] = {0, 1, 2, 63, 64, 127, 128, 191, 200, 236, 254, 255};
    for (int alpha = 0; alpha < 255; alpha++) {
        long double a = static_cast<float>(static_cast<float>(alpha) * 0.003921568859368563f);
        for (int c : kLevels) {
            for (int b : kLevels) {
                long double exact = c * a + b * (1.0L - a);
                int expected = static_cast<int>(std::floor(exact));
                expected = expected < 0 ? 0 : (expected > 255 ? 255 : expected);
                int got = BlendChannel(static_cast<uint8_t>(c), static_cast<uint8_t>(alpha), static_cast<uint8_t>(b));
                ASSERT_EQ(got, expected) << "c " << c << ", alpha " << alpha << ", background " << b;
            }
        }
    }
}

// Pixels are blue, green, red, alpha; the background is a COLORREF 0x00BBGGRR.
TEST(AlphaBlend, BlendOverBackground) {
    uint8_t pixels[] = {
        10, 20, 30, 255, // opaque: untouched
        10, 20, 30, 0,   // transparent: the background, alpha kept
        0, 0, 0, 128,    // half over the background
    };
    BlendOverBackground(pixels, 3, 0x00FF8040); // red 0x40, green 0x80, blue 0xFF
    const uint8_t expected[] = {
        10, 20, 30, 255,
        0xFF, 0x80, 0x40, 0,
        BlendChannel(0, 128, 0xFF), BlendChannel(0, 128, 0x80), BlendChannel(0, 128, 0x40), 128,
    };
    for (size_t i = 0; i < sizeof pixels; i++) {
        EXPECT_EQ(int{pixels[i]}, int{expected[i]}) << "byte " << i;
    }
}
