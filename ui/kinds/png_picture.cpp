#include "ui/kinds/png_picture.h"

#include <png.h>

#include <cstring>
#include <utility>

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

static uint32_t BigEndian32(const uint8_t* bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

// True when no chunk claims more bytes than the file holds. The decoder makes
// a buffer of a chunk's stated length before reading it, so a few bytes
// announcing a 2 GB text chunk would make it allocate 2 GB only to fail at the
// end of the data. Such a file is damaged anyway; refusing it here bounds
// every chunk buffer by the size of the file. A file that simply ends (after
// its image data, say) is left to the decoder.
static bool ChunksFitInBytes(const uint8_t* bytes, size_t length) {
    constexpr size_t kSignatureSize = 8;
    constexpr size_t kChunkHeadSize = 8;  // length and type
    constexpr size_t kChunkCrcSize = 4;
    size_t at = kSignatureSize;
    while (length - at >= kChunkHeadSize) {
        size_t dataSize = BigEndian32(bytes + at);
        size_t left = length - at - kChunkHeadSize;
        if (dataSize > left) {
            return false;
        }
        if (std::memcmp(bytes + at + 4, "IEND", 4) == 0) {
            return true;
        }
        // dataSize <= left, so this cannot pass the end by more than the CRC.
        at += kChunkHeadSize + dataSize;
        if (length - at < kChunkCrcSize) {
            return true;
        }
        at += kChunkCrcSize;
    }
    return true;
}

bool DecodePngPicture(const uint8_t* bytes, size_t length, DecodedPicture& out) {
    if (!bytes || length < 8 || !ChunksFitInBytes(bytes, length)) {
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
    // At most 4096 x 4096 pixels (64 MB). A refused allocation is the
    // program's memory-exhaustion report, as for any other allocation.
    std::vector<uint8_t> pixels(byteCount);
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
