#include "tests/picture/png_fixture.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

// The program's libpng is built without its writer, so the tests make their
// PNG files themselves: 8 bits per channel, no interlacing, every row with
// filter 0, the image data deflated by zlib.

static void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
    out.insert(out.end(), {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                           static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}

static void AppendChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
    AppendU32(out, static_cast<uint32_t>(data.size()));
    size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0, out.data() + typeAt, static_cast<uInt>(4 + data.size()));
    AppendU32(out, static_cast<uint32_t>(crc));
}

std::vector<uint8_t> EncodePng(uint32_t width, uint32_t height, uint32_t format, const std::vector<uint8_t>& pixels) {
    bool color = (format & PNG_FORMAT_FLAG_COLOR) != 0;
    bool alpha = (format & PNG_FORMAT_FLAG_ALPHA) != 0;
    if ((format & ~(PNG_FORMAT_FLAG_COLOR | PNG_FORMAT_FLAG_ALPHA)) != 0) {
        ADD_FAILURE() << "the test encoder takes gray, gray+alpha, RGB and RGBA only; got format " << format;
        return {};
    }
    size_t channels = (color ? 3 : 1) + (alpha ? 1 : 0);
    size_t rowBytes = width * channels;
    if (pixels.size() != rowBytes * height) {
        ADD_FAILURE() << "pixels hold " << pixels.size() << " bytes, a " << width << "x" << height
                      << " picture of " << channels << " channels needs " << rowBytes * height;
        return {};
    }
    std::vector<uint8_t> raw;
    raw.reserve((rowBytes + 1) * height);
    for (uint32_t y = 0; y < height; y++) {
        raw.push_back(0);
        raw.insert(raw.end(), pixels.begin() + static_cast<ptrdiff_t>(y * rowBytes),
                   pixels.begin() + static_cast<ptrdiff_t>((y + 1) * rowBytes));
    }
    uLongf deflatedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> deflated(deflatedSize);
    if (compress2(deflated.data(), &deflatedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
        ADD_FAILURE() << "zlib could not deflate a " << width << "x" << height << " picture";
        return {};
    }
    deflated.resize(deflatedSize);

    std::vector<uint8_t> header;
    AppendU32(header, width);
    AppendU32(header, height);
    uint8_t colorType = static_cast<uint8_t>((color ? 2 : 0) | (alpha ? 4 : 0));
    header.insert(header.end(), {8, colorType, 0, 0, 0});

    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    AppendChunk(file, "IHDR", header);
    AppendChunk(file, "IDAT", deflated);
    AppendChunk(file, "IEND", {});
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
