#pragma once
// Expected byte strings written as hex, so that a test states GBK texts
// independently of how the code under test spells them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// "D4CB 21" -> the bytes D4 CB 21; spaces are ignored.
inline std::string HexText(std::string_view hex) {
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        return (c | 0x20) - 'a' + 10;
    };
    std::string bytes;
    int high = -1;
    for (char c : hex) {
        if (c == ' ') {
            continue;
        }
        if (high < 0) {
            high = nibble(c);
        } else {
            bytes.push_back(static_cast<char>(high << 4 | nibble(c)));
            high = -1;
        }
    }
    return bytes;
}

inline std::string ToHex(std::string_view bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        if (!hex.empty()) {
            hex.push_back(' ');
        }
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 15]);
    }
    return hex;
}

inline std::string ToHex(const std::vector<uint8_t>& bytes) {
    return ToHex(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
