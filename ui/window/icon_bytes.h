#pragma once
// Icons made from the bytes of an icon file.
#include <windows.h>

#include <cstddef>
#include <cstdint>

// The image of the file that suits size x size best, as a new icon owned by
// the caller (DestroyIcon); null when the bytes are not a readable icon file.
HICON CreateIconFromFileBytes(const uint8_t* bytes, size_t length, int size);
