#include "ui/rules/placement.h"

#include <climits>
#include <ostream>

#include <gtest/gtest.h>

static std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
    return out << "(" << r.x << "," << r.y << " " << r.width << "x" << r.height << ")";
}

TEST(Placement, CentreOnScreen) {
    struct Case {
        int32_t screenWidth, screenHeight, width, height;
        int32_t left, top;
    };
    const Case cases[] = {
        {1920, 1080, 396, 287, 762, 396},
        {1366, 768, 396, 287, 485, 240},
        {395, 287, 396, 287, 0, 0},   // (395-396)/2 truncates toward zero
        {393, 285, 396, 287, -1, -1}, // (393-396)/2
        {INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, -2147483647, 2147483647}, // no overflow
    };
    for (const Case& c : cases) {
        int32_t left = 12345;
        int32_t top = 12345;
        CentreOnScreen(c.screenWidth, c.screenHeight, c.width, c.height, left, top);
        EXPECT_EQ(left, c.left) << "screen " << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(top, c.top) << "screen " << c.screenWidth << "x" << c.screenHeight;
    }
}

TEST(Placement, PlacePicture) {
    struct Case {
        const char* what;
        uint32_t mode;
        int32_t boxWidth, boxHeight, imageWidth, imageHeight;
        PixelRect expected;
    };
    const Case cases[] = {
        {"mode 0: natural size, cut at the box", 0, 200, 80, 454, 164, {0, 0, 454, 164}},
        {"mode 1: stretched over the box", 1, 200, 80, 454, 164, {0, 0, 200, 80}},
        {"mode 2: the formula scaled by width", 2, 200, 80, 454, 164, {0, 4, 200, 72}},
        {"mode 2: a small picture is centred, not enlarged", 2, 200, 80, 100, 40, {50, 20, 100, 40}},
        {"mode 2: an odd margin rounds toward zero", 2, 201, 81, 100, 40, {50, 20, 100, 40}},
        {"mode 2: narrow but too tall, scaled by height", 2, 200, 80, 100, 160, {75, 0, 50, 80}},
        // 15/22*22 is 14.999... in floating point: the width must still be 15.
        {"mode 2: the limiting side is filled exactly", 2, 15, 40, 22, 22, {0, 12, 15, 15}},
        {"mode 3: the box has the picture's size", 3, 454, 164, 454, 164, {0, 0, 454, 164}},
        {"mode 2: empty box", 2, 0, 0, 454, 164, {0, 0, 0, 0}},
        {"no picture", 2, 200, 80, 0, 164, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        PixelRect placed = PlacePicture(c.mode, c.boxWidth, c.boxHeight, c.imageWidth, c.imageHeight);
        EXPECT_EQ(placed, c.expected) << c.what << ": got " << placed << ", expected " << c.expected;
    }
}
