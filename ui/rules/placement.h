#pragma once
// Placement arithmetic for windows and pictures.
#include <cstdint>

struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Top-left corner of a window of the given outer size centred on a screen;
// the divisions truncate toward zero, so a window wider than the screen can
// start left of it.
void CentreOnScreen(int32_t screenWidth, int32_t screenHeight, int32_t width, int32_t height,
                    int32_t& left, int32_t& top);

// Where a picture of imageWidth x imageHeight is drawn in a box of
// boxWidth x boxHeight: mode 0 natural size at the top left, 1 stretched to the
// box, 2 centred and scaled down to fit keeping its aspect ratio. Mode 3 (the
// box takes the picture's size) and any other value fill the box as mode 1.
// A picture without pixels gives an empty rectangle; a negative box size
// counts as 0.
PixelRect PlacePicture(uint32_t mode, int32_t boxWidth, int32_t boxHeight, int32_t imageWidth,
                       int32_t imageHeight);
