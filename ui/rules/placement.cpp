#include "ui/rules/placement.h"

#include <algorithm>

// The differences are taken in 64 bits so that extreme sizes cannot overflow;
// the quotient always fits back into 32 bits. C++ division truncates toward
// zero, which is the rule: a window 1 pixel wider than the screen starts at 0,
// one 3 pixels wider at -1.
static int32_t CentredStart(int32_t screenSize, int32_t size) {
    return static_cast<int32_t>((int64_t{screenSize} - int64_t{size}) / 2);
}

void CentreOnScreen(int32_t screenWidth, int32_t screenHeight, int32_t width, int32_t height, int32_t& left,
                    int32_t& top) {
    left = CentredStart(screenWidth, width);
    top = CentredStart(screenHeight, height);
}

// Mode 2: centred; scaled down, keeping the aspect ratio, only when the
// picture does not fit. The scale is the smaller of W/iw and H/ih; the drawn
// size iw*s, ih*s truncated is computed with integers so that no rounding of
// the quotient can lose a pixel (200/454*454 in floating point need not give
// exactly 200). The products fit in 64 bits for any 32-bit sizes.
static PixelRect FitInside(int32_t boxWidth, int32_t boxHeight, int32_t imageWidth, int32_t imageHeight) {
    int64_t width = boxWidth;
    int64_t height = boxHeight;
    int64_t x = 0;
    int64_t y = 0;
    if (imageWidth <= width) {
        x = (width - imageWidth) / 2;
        width = imageWidth;
    }
    if (imageHeight <= height) {
        y = (height - imageHeight) / 2;
        height = imageHeight;
    }
    if (imageWidth <= width && imageHeight <= height) {
        return {static_cast<int32_t>(x), static_cast<int32_t>(y), imageWidth, imageHeight};
    }
    int64_t drawnWidth = 0;
    int64_t drawnHeight = 0;
    if (width * imageHeight <= height * imageWidth) { // W/iw <= H/ih: the width limits
        drawnWidth = width;
        drawnHeight = imageHeight * width / imageWidth;
    } else {
        drawnHeight = height;
        drawnWidth = imageWidth * height / imageHeight;
    }
    x += (width - drawnWidth) / 2;
    y += (height - drawnHeight) / 2;
    return {static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(drawnWidth),
            static_cast<int32_t>(drawnHeight)};
}

PixelRect PlacePicture(uint32_t mode, int32_t boxWidth, int32_t boxHeight, int32_t imageWidth,
                       int32_t imageHeight) {
    if (imageWidth <= 0 || imageHeight <= 0) {
        return {};
    }
    boxWidth = std::max(boxWidth, 0);
    boxHeight = std::max(boxHeight, 0);
    switch (mode) {
    case 0:
        return {0, 0, imageWidth, imageHeight};
    case 2:
        return FitInside(boxWidth, boxHeight, imageWidth, imageHeight);
    default: // 1, and 3 once the box has taken the picture's size
        return {0, 0, boxWidth, boxHeight};
    }
}
