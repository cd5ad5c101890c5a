#include "ui/window/icon_bytes.h"

#include <algorithm>
#include <vector>

#include "ui/description/byte_reader.h"

// An icon file starts with a 6-byte header (reserved 0, type 1, image count)
// followed by a 16-byte entry per image that gives the image's place in the
// file. The system picks the best image from the same entries in resource
// form, where the 4-byte file offset is replaced by a 2-byte image number.
constexpr size_t kFileEntrySize = 16;
constexpr size_t kResourceEntrySize = 14;
constexpr DWORD kIconFormatVersion = 0x00030000;

struct IconImage {
    uint32_t length = 0;
    uint32_t offset = 0;
};

static void AppendU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

// Reads the directory into its resource form and the images' places; false
// when the header is not an icon's or an image lies outside the bytes.
static bool ReadIconDirectory(const uint8_t* bytes, size_t length, std::vector<uint8_t>& directory,
                              std::vector<IconImage>& images) {
    ByteReader reader(bytes, length);
    uint16_t reserved = 0;
    uint16_t type = 0;
    uint16_t count = 0;
    if (!reader.ReadU16(reserved) || !reader.ReadU16(type) || !reader.ReadU16(count) || reserved != 0 ||
        type != 1 || count == 0 || reader.Remaining() / kFileEntrySize < count) {
        return false;
    }
    directory.assign(bytes, bytes + 6);
    for (uint16_t i = 0; i < count; i++) {
        std::vector<uint8_t> head;
        IconImage image;
        if (!reader.ReadBytes(8, head) || !reader.ReadU32(image.length) || !reader.ReadU32(image.offset)) {
            return false;
        }
        if (image.length == 0 || image.offset > length || image.length > length - image.offset) {
            return false;
        }
        directory.insert(directory.end(), head.begin(), head.end());
        for (int shift = 0; shift < 32; shift += 8) {
            directory.push_back(static_cast<uint8_t>(image.length >> shift));
        }
        AppendU16(directory, i + 1u);
        images.push_back(image);
    }
    return directory.size() == 6 + kResourceEntrySize * count;
}

static bool IsPngImage(const uint8_t* image, size_t length) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return length >= 8 && std::equal(kSignature, kSignature + 8, image);
}

// The system trusts the sizes in an image's bitmap header, so an image whose
// header promises more pixels than the entry holds is refused here rather
// than read past its end. Icon images are uncompressed bitmaps stacked twice
// as high as the icon: the colour rows, then a 1-bit mask.
static bool BitmapImageFits(const uint8_t* image, size_t length) {
    ByteReader reader(image, length);
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    if (!reader.ReadU32(headerSize) || !reader.ReadI32(width) || !reader.ReadI32(height) ||
        !reader.ReadU16(planes) || !reader.ReadU16(bitCount) || !reader.ReadU32(compression) ||
        !reader.Skip(12) || !reader.ReadU32(colorsUsed)) {
        return false;
    }
    if (headerSize < 40 || width <= 0 || width > 1024 || height <= 0 || height > 2048 || compression != 0 ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)) {
        return false;
    }
    uint64_t paletteColors = bitCount <= 8 ? (colorsUsed ? colorsUsed : 1u << bitCount) : colorsUsed;
    uint64_t rows = static_cast<uint64_t>(height) / 2;
    uint64_t colorStride = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    uint64_t maskStride = (static_cast<uint64_t>(width) + 31) / 32 * 4;
    uint64_t needed = uint64_t{headerSize} + paletteColors * 4 + (colorStride + maskStride) * rows;
    return needed <= length;
}

HICON CreateIconFromFileBytes(const uint8_t* bytes, size_t length, int size) {
    std::vector<uint8_t> directory;
    std::vector<IconImage> images;
    if (!ReadIconDirectory(bytes, length, directory, images)) {
        return nullptr;
    }
    int id = LookupIconIdFromDirectoryEx(directory.data(), TRUE, size, size, LR_DEFAULTCOLOR);
    if (id < 1 || static_cast<size_t>(id) > images.size()) {
        return nullptr;
    }
    const IconImage& image = images[static_cast<size_t>(id - 1)];
    if (!IsPngImage(bytes + image.offset, image.length) && !BitmapImageFits(bytes + image.offset, image.length)) {
        return nullptr;
    }
    // The system reads the image in place and does not write to it.
    auto* data = const_cast<uint8_t*>(bytes + image.offset);
    return CreateIconFromResourceEx(data, image.length, TRUE, kIconFormatVersion, size, size, LR_DEFAULTCOLOR);
}
