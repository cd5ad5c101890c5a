#pragma once
// Small PNG files made in memory for the tests.
#include <cstdint>
#include <vector>

// A PNG file of width x height pixels given in `format` (PNG_FORMAT_GRAY,
// _GA, _RGB or _RGBA, 8 bits per channel); empty, with a test failure, when
// the format or the pixel count is wrong.
std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, uint32_t format, const std::vector<uint8_t>& pixels);

// An opaque picture of one colour (red, green, blue).
std::vector<uint8_t> SolidPng(uint32_t width, uint32_t height, uint8_t red, uint8_t green, uint8_t blue);
