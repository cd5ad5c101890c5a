#include "ui/kinds/png_picture.h"

#include <png.h>

#include <cstring>
#include <new>

#include "ui/rules/image_format.h"

// Releases the decoder's state on every path out of DecodePngPicture.
struct PngImageGuard {
    png_image* image;
    ~PngImageGuard() { png_image_free(image); }
};

// width * height * 4 without overflow: both factors are checked against
// kMaxPicturePixels first, so the product fits comfortably in 64 bits and the
// result fits in size_t even on 32-bit Windows (64 MiB).
static bool PixelBufferSize(uint32_t width, uint32_t height, size_t& byteCount) {
    if (width == 0 || height == 0) {
        return false;
    }
    uint64_t pixels = uint64_t{width} * height; // < 2^64: each factor < 2^32
    if (pixels > kMaxPicturePixels) {
        return false;
    }
    byteCount = static_cast<size_t>(pixels * 4);
    return true;
}

bool DecodePngPicture(const uint8_t* bytes, size_t length, DecodedPicture& out) {
    if (!bytes || length < 8) {
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    PngImageGuard guard{&image};

    if (!png_image_begin_read_from_memory(&image, bytes, length)) {
        return false;
    }
    image.format = PNG_FORMAT_BGRA;

    size_t byteCount = 0;
    if (!PixelBufferSize(image.width, image.height, byteCount)) {
        return false;
    }
    std::vector<uint8_t> pixels;
    try {
        pixels.resize(byteCount);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // Row stride 0: packed rows, top-down. No background: alpha stays as
    // stored, to be blended over the control's colour when drawn.
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        return false;
    }
    out.width = image.width;
    out.height = image.height;
    out.bgra = std::move(pixels);
    return true;
}

bool LoadPicture(const uint8_t* bytes, size_t length, DecodedPicture& out) {
    switch (RecogniseImageFormat(bytes, length)) {
    case ImageFormat::Png:
        return DecodePngPicture(bytes, length, out);
    default:
        // The other recognised formats are not decoded: they count as a
        // picture that cannot be read.
        return false;
    }
}
