#pragma once
// Recognising the format of a picture by its first bytes.
#include <cstddef>
#include <cstdint>

enum class ImageFormat { None, Bmp, Jpeg, Png, Icon, Cursor, Gif, Pcx256, Pcx2 };

// None for fewer than 8 bytes or an unknown signature.
ImageFormat RecogniseImageFormat(const uint8_t* bytes, size_t length);
