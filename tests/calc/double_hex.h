#pragma once
// Doubles shown by their bit patterns in failure messages.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

inline std::string BitsOf(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%016llx (%.17g)", static_cast<unsigned long long>(std::bit_cast<uint64_t>(v)), v);
    return text;
}

inline double FromBits(uint64_t bits) {
    return std::bit_cast<double>(bits);
}
