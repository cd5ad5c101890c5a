#pragma once
// Unsigned 128-bit integers as two 64-bit halves, for the conversion kernels.
//
// 32-bit mingw has no __int128, so the 64×64→128 product has a portable form
// built from 32-bit halves; compilers that do have __int128 use it instead,
// and the tests check the two against each other.
#include <cstdint>

struct U128 {
    uint64_t hi;
    uint64_t lo;
};

// Number of zero bits above the highest set bit; x must not be 0.
inline int CountLeadingZeros64(uint64_t x) {
    return __builtin_clzll(x);
}

// Number of bits needed to write x (0 for 0).
inline int BitLength128(U128 x) {
    if (x.hi != 0) {
        return 128 - CountLeadingZeros64(x.hi);
    }
    return x.lo == 0 ? 0 : 64 - CountLeadingZeros64(x.lo);
}

// a × b from four 32×32→64 partial products. Each partial product is below
// 2^64 − 2^33 + 1, so adding two 32-bit carries to one cannot overflow.
inline U128 Mul64Portable(uint64_t a, uint64_t b) {
    uint64_t aLo = a & 0xFFFFFFFFu;
    uint64_t aHi = a >> 32;
    uint64_t bLo = b & 0xFFFFFFFFu;
    uint64_t bHi = b >> 32;
    uint64_t lolo = aLo * bLo;
    uint64_t hilo = aHi * bLo;
    uint64_t lohi = aLo * bHi;
    uint64_t hihi = aHi * bHi;
    uint64_t middle = (lolo >> 32) + (hilo & 0xFFFFFFFFu) + lohi;
    U128 r;
    r.lo = (middle << 32) | (lolo & 0xFFFFFFFFu);
    r.hi = hihi + (hilo >> 32) + (middle >> 32);
    return r;
}

inline U128 Mul64(uint64_t a, uint64_t b) {
#if defined(__SIZEOF_INT128__)
    __extension__ unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
    return U128{static_cast<uint64_t>(p >> 64), static_cast<uint64_t>(p)};
#else
    return Mul64Portable(a, b);
#endif
}

// x × multiplier + addend; the caller knows the result fits in 128 bits.
inline U128 MulAdd128(U128 x, uint64_t multiplier, uint64_t addend) {
    U128 low = Mul64(x.lo, multiplier);
    U128 r;
    r.lo = low.lo + addend;
    r.hi = x.hi * multiplier + low.hi + (r.lo < addend ? 1 : 0);
    return r;
}

// x / divisor and x % divisor for a divisor below 2^32, by long division in
// 32-bit steps: each partial dividend (remainder << 32 | next word) is below
// divisor × 2^32, so it fits in 64 bits.
inline U128 DivMod128(U128 x, uint32_t divisor, uint32_t& remainder) {
    uint32_t words[4] = {static_cast<uint32_t>(x.hi >> 32), static_cast<uint32_t>(x.hi),
                         static_cast<uint32_t>(x.lo >> 32), static_cast<uint32_t>(x.lo)};
    uint64_t rest = 0;
    for (uint32_t& word : words) {
        uint64_t part = (rest << 32) | word;
        word = static_cast<uint32_t>(part / divisor);
        rest = part % divisor;
    }
    remainder = static_cast<uint32_t>(rest);
    return U128{(static_cast<uint64_t>(words[0]) << 32) | words[1], (static_cast<uint64_t>(words[2]) << 32) | words[3]};
}

// The 192-bit product of a 64-bit and a 128-bit number, as three words.
struct U192 {
    uint64_t hi;
    uint64_t mid;
    uint64_t lo;
};

inline U192 Mul64By128(uint64_t a, U128 b) {
    U128 low = Mul64(a, b.lo);
    U128 high = Mul64(a, b.hi);
    U192 r;
    r.lo = low.lo;
    r.mid = high.lo + low.hi;
    r.hi = high.hi + (r.mid < low.hi ? 1 : 0);
    return r;
}
