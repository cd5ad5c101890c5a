#include "ui/rules/alpha_blend.h"

// The single-precision value nearest to 1/255.
constexpr float kOneOver255 = 0.003921568859368563f;

// a = alpha * kOneOver255, rounded to single precision. The product of an
// 8-bit integer and a 24-bit significand has at most 32 significant bits, so
// it is exact in double and the conversion rounds it once: the same float that
// a single-precision multiply gives.
static float BlendWeight(uint8_t alpha) {
    return static_cast<float>(static_cast<double>(alpha) * static_cast<double>(kOneOver255));
}

// c*a + b*(1-a) is evaluated in double, where every step is exact: for
// alpha 1 or more, a is a float of at least 1/255 > 2^-8, so a multiple of
// 2^-31, and at most 255/255 rounded, below 2. Then 1-a is a multiple of 2^-31
// smaller than 1 in size (31 bits), the products with the 8-bit c and b need
// at most 39 bits and their sum, below 2^9, at most 40: all within a double's
// 53. The truncated result is therefore the one of exact arithmetic, equal on
// x87, SSE and x86-64 builds alike. (Alpha 0 gives a = 0, also exact.)
uint8_t BlendChannel(uint8_t channel, uint8_t alpha, uint8_t background) {
    double a = BlendWeight(alpha);
    double blended = static_cast<double>(channel) * a + static_cast<double>(background) * (1.0 - a);
    if (blended <= 0.0) {
        return 0;
    }
    if (blended >= 255.0) {
        return 255;
    }
    return static_cast<uint8_t>(blended); // truncation toward zero
}

void BlendOverBackground(uint8_t* bgraPixels, size_t pixelCount, uint32_t backgroundColorRef) {
    // A COLORREF is 0x00BBGGRR; the pixels are blue, green, red, alpha.
    uint8_t backBlue = static_cast<uint8_t>(backgroundColorRef >> 16);
    uint8_t backGreen = static_cast<uint8_t>(backgroundColorRef >> 8);
    uint8_t backRed = static_cast<uint8_t>(backgroundColorRef);
    for (size_t i = 0; i < pixelCount; i++) {
        uint8_t* pixel = bgraPixels + i * 4;
        uint8_t alpha = pixel[3];
        if (alpha == 255) {
            continue;
        }
        pixel[0] = BlendChannel(pixel[0], alpha, backBlue);
        pixel[1] = BlendChannel(pixel[1], alpha, backGreen);
        pixel[2] = BlendChannel(pixel[2], alpha, backRed);
    }
}
