#pragma once
// How the kinds bring written property values into range.
#include <cstdint>
#include <string>

// PropertyIndex 0..7 are common to every kind; a kind's own come after them.
constexpr uint32_t kFirstKindPropertyCount = 8;

// A choice: negative values become 0, values above the range its largest.
constexpr int32_t ClampChoice(int32_t value, int32_t largest) {
    return value < 0 ? 0 : (value > largest ? largest : value);
}

// A truth value is stored as 1 for any non-zero value written.
constexpr int32_t Truth(int32_t value) { return value != 0 ? 1 : 0; }

// The virtual-key code of a key code, without the modifier bits.
constexpr uint32_t KeyOf(uint32_t keyCode) { return keyCode & 0x1FFF; }

// A text of one character; the character 0 gives the empty text.
inline std::string OneByteText(uint8_t character) {
    return character == 0 ? std::string() : std::string(1, static_cast<char>(character));
}
