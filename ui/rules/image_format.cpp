#include "ui/rules/image_format.h"

#include <cstring>

static uint16_t WordAt(const uint8_t* bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

// Icon and cursor files start with the 16-bit words 0, type (1 icon, 2
// cursor) and a non-zero image count.
static bool IsIconDirectory(const uint8_t* bytes, uint16_t type) {
    return WordAt(bytes, 0) == 0 && WordAt(bytes, 2) == type && WordAt(bytes, 4) > 0;
}

// The signatures are tried in a fixed order and the first match wins.
ImageFormat RecogniseImageFormat(const uint8_t* bytes, size_t length) {
    if (!bytes || length < 8) {
        return ImageFormat::None;
    }
    if (bytes[0] == 'B' && bytes[1] == 'M') {
        return ImageFormat::Bmp;
    }
    if (bytes[0] == 0xFF && bytes[1] == 0xD8) {
        return ImageFormat::Jpeg;
    }
    if (bytes[0] == 0x89 && bytes[1] == 0x50 && bytes[2] == 0x4E && bytes[3] == 0x47) {
        return ImageFormat::Png;
    }
    if (IsIconDirectory(bytes, 1)) {
        return ImageFormat::Icon;
    }
    if (IsIconDirectory(bytes, 2)) {
        return ImageFormat::Cursor;
    }
    if (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0) {
        return ImageFormat::Gif;
    }
    if (bytes[0] == 0x0A && bytes[1] <= 5 && bytes[2] == 0x01 && bytes[3] == 0x08) {
        return ImageFormat::Pcx256;
    }
    if (bytes[0] == 0x0A && bytes[1] == 0x03 && bytes[2] == 0x01 && bytes[3] == 0x01) {
        return ImageFormat::Pcx2;
    }
    return ImageFormat::None;
}
