#include "tools/ppicalc_cli/hex_text.h"

#include <bit>

static int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

static const char kHexDigits[] = "0123456789abcdef";

HexError DecodeHex(std::string_view hex, std::string& bytes) {
    bytes.clear();
    for (char c : hex) {
        if (HexDigitValue(c) < 0) {
            return HexError::kBadDigit;
        }
    }
    if (hex.size() % 2 != 0) {
        return HexError::kOddLength;
    }
    bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        bytes += static_cast<char>(HexDigitValue(hex[i]) * 16 + HexDigitValue(hex[i + 1]));
    }
    return HexError::kNone;
}

std::string EncodeHex(std::string_view bytes) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        hex += kHexDigits[byte >> 4];
        hex += kHexDigits[byte & 15];
    }
    return hex;
}

std::string EncodeDoubleBits(double value) {
    uint64_t bits = std::bit_cast<uint64_t>(value);
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, bits >>= 4) {
        hex[static_cast<size_t>(i)] = kHexDigits[bits & 15];
    }
    return hex;
}

bool DecodeDoubleBits(std::string_view hex, double& value) {
    if (hex.size() != 16) {
        return false;
    }
    uint64_t bits = 0;
    for (char c : hex) {
        int digit = HexDigitValue(c);
        if (digit < 0) {
            return false;
        }
        bits = bits << 4 | static_cast<uint64_t>(digit);
    }
    value = std::bit_cast<double>(bits);
    return true;
}
