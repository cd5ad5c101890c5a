#pragma once
// A key as the window's keyboard rules and the kinds see it: the virtual-key
// code plus modifier bits.
#include <cstdint>

constexpr uint32_t kKeyCtrl = 0x2000;
constexpr uint32_t kKeyShift = 0x4000;
constexpr uint32_t kKeyAlt = 0x8000;

constexpr uint32_t MakeKeyCode(uint32_t virtualKey, bool ctrl, bool shift, bool alt) {
    return (virtualKey & 0x1FFF) | (ctrl ? kKeyCtrl : 0) | (shift ? kKeyShift : 0) | (alt ? kKeyAlt : 0);
}
