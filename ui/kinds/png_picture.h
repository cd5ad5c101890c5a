#pragma once
// Decoding the picture bytes that a label or picture box stores.
//
// Only PNG files are decoded; every other format, and anything the decoder
// rejects, leaves the control without a picture. Nothing is reported.
#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: rows top-down, each exactly width * 4 bytes, each pixel
// blue, green, red, alpha with straight (not premultiplied) alpha.
struct DecodedPicture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> bgra;
};

// The largest picture decoded, in pixels (a 64 MiB pixel buffer). A control
// picture is at most screen-sized; a file claiming more is refused before any
// pixel storage is made, so a few bytes cannot make the program allocate
// without bound.
constexpr uint64_t kMaxPicturePixels = uint64_t{4096} * 4096;

// Decodes a PNG file held in memory. False, with `out` untouched, when the
// bytes are not a PNG the decoder accepts or the picture is too large.
bool DecodePngPicture(const uint8_t* bytes, size_t length, DecodedPicture& out);

// Recognises the format of the picture bytes and decodes them. False when
// there is no picture: too short, an unknown or undecoded format, or bytes
// the decoder rejects.
bool LoadPicture(const uint8_t* bytes, size_t length, DecodedPicture& out);
