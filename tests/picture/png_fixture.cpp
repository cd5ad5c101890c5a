#include "tests/picture/png_fixture.h"

#include <gtest/gtest.h>
#include <png.h>

std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, uint32_t format, const std::vector<uint8_t>& pixels) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = format;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) {
        ADD_FAILURE() << "sizing a " << width << "x" << height << " PNG failed: " << image.message;
        return {};
    }
    std::vector<uint8_t> file(size);
    if (!png_image_write_to_memory(&image, file.data(), &size, 0, pixels.data(), 0, nullptr)) {
        ADD_FAILURE() << "encoding a " << width << "x" << height << " PNG failed: " << image.message;
        return {};
    }
    file.resize(size);
    return file;
}

std::vector<uint8_t> SolidPng(uint32_t width, uint32_t height, uint8_t red, uint8_t green, uint8_t blue) {
    std::vector<uint8_t> pixels;
    pixels.reserve(size_t{width} * height * 3);
    for (size_t i = 0; i < size_t{width} * height; i++) {
        pixels.insert(pixels.end(), {red, green, blue});
    }
    return EncodePng(width, height, PNG_FORMAT_RGB, pixels);
}
