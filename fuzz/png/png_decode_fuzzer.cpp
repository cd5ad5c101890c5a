// Picture bytes of any shape through format recognition and decoding: never a
// crash or a read outside a buffer; at worst no picture.
#include <cstddef>
#include <cstdint>

#include "ui/kinds/png_picture.h"
#include "ui/rules/alpha_blend.h"
#include "ui/rules/image_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ImageFormat format = RecogniseImageFormat(data, size);
    DecodedPicture picture;
    if (!LoadPicture(data, size, picture)) {
        return 0;
    }
    // Only PNG is decoded, and a decoded picture is exactly width x height
    // BGRA pixels within the documented limit.
    uint64_t pixels = uint64_t{picture.width} * picture.height;
    if (format != ImageFormat::Png || pixels == 0 || pixels > kMaxPicturePixels ||
        picture.bgra.size() != pixels * 4) {
        __builtin_trap();
    }
    // What a paint does next with the pixels: blend them over a colour.
    BlendOverBackground(picture.bgra.data(), static_cast<size_t>(pixels), 0x00C0C0C0);
    return 0;
}
