#pragma once
// The exact decimal value of a double rounded to 17 significant digits.
#include <cstdint>

struct Decimal17 {
    uint64_t digits;  // 10^16 <= digits < 10^17
    int exponent;     // power of ten of the leading digit
};

// value must be positive and finite. The exact decimal expansion is rounded
// to 17 significant digits, a remainder of one half or more of the last digit
// rounding up; a carry out of the leading digit raises the exponent.
Decimal17 DoubleToDecimal17(double value);

// The same result from exact big-integer arithmetic alone. DoubleToDecimal17
// falls back on it where its 128-bit product cannot decide the rounding.
Decimal17 DoubleToDecimal17Exact(double value);

// floor(log10(2^n)) for |n| <= 2048. 1292913986 / 2^32 is below log10(2) by
// less than 1.2e-10, so n × it is off by less than 3e-7, while for 0 < |n| <
// 2136 the product n × log10(2) stays at least 4.5e-4 away from an integer
// (its closest approach is at n = 485): the floor cannot move.
inline int FloorLog10Pow2(int n) {
    return static_cast<int>((static_cast<int64_t>(n) * 1292913986) >> 32);
}
