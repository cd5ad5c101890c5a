#pragma once
// Blending a picture's translucent pixels over a background colour.
#include <cstddef>
#include <cstdint>

// c*a + b*(1-a), truncated and limited to 0..255, with a = alpha times the
// single-precision value nearest to 1/255.
uint8_t BlendChannel(uint8_t channel, uint8_t alpha, uint8_t background);

// Blends every pixel of a BGRA buffer whose alpha is below 255 over the
// background colour (a COLORREF, 0x00BBGGRR); the alpha bytes stay.
void BlendOverBackground(uint8_t* bgraPixels, size_t pixelCount, uint32_t backgroundColorRef);
