#pragma once
// Small PNG files made in memory for the tests, with libpng's own writer.
#include <cstdint>
#include <vector>

// A PNG file of width x height pixels given in `format` (a PNG_FORMAT_*
// value, e.g. PNG_FORMAT_RGBA); empty, with a test failure, when libpng
// refuses.
std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, uint32_t format, const std::vector<uint8_t>& pixels);

// An opaque picture of one colour (red, green, blue).
std::vector<uint8_t> SolidPng(uint32_t width, uint32_t height, uint8_t red, uint8_t green, uint8_t blue);
