#pragma once
// 5^q for q = kMinPowerOfFive .. kMaxPowerOfFive as 128-bit significands.
#include <cstdint>

#include "calc/uint128.h"

// Reading needs 5^-342 .. 5^308: a decimal below 2^64 × 10^-343 rounds to
// zero and one of 10^309 or more overflows. Writing scales a double by 10^k
// for k = -292 .. 341 to bring 17 digits before the point.
constexpr int kMinPowerOfFive = -342;
constexpr int kMaxPowerOfFive = 341;

// hi:lo = floor(5^q / 2^binaryExponent), with 2^127 <= hi:lo < 2^128. It is
// never rounded up, so it is short of the true value by less than one unit of
// its last bit, and exact for 0 <= q <= 55 (5^55 < 2^128).
struct PowerOfFive {
    uint64_t hi;
    uint64_t lo;
    int16_t binaryExponent;
};

extern const PowerOfFive kPowersOfFive[kMaxPowerOfFive - kMinPowerOfFive + 1];

inline const PowerOfFive& GetPowerOfFive(int q) {
    return kPowersOfFive[q - kMinPowerOfFive];
}

inline bool IsPowerOfFiveExact(int q) {
    return q >= 0 && q <= 55;
}
